// The OpenGL 3.3 core / OpenGL ES 3.0 renderer: frames drawn straight into
// the window when it has the game's own size, else into a framebuffer scaled
// into the window; two shaders (with and without the mask's alpha test) and
// one vertex buffer filled with textured triangles until the texture or the
// blend mode changes.
#include <algorithm>
#include <vector>

#include "platform/debug_log.h"
#include "platform/gl_calls.h"
#include "platform/graphics.h"
#include "platform/render_backend.h"
#include "platform/test_seams.h"

struct ImageTexture {
    GLuint id = 0;
    int generation = -1;
    bool opaque = false;
    ~ImageTexture();
};

namespace {

// The platform gives each shader its version line (GL_TARGET.shaderHeader).
const char* const VERTEX_SHADER = R"(
uniform vec2 uScreen;
layout(location = 0) in vec2 aPos;
layout(location = 1) in vec2 aUV;
layout(location = 2) in vec4 aColor;
out vec2 vUV;
out vec4 vColor;
void main() {
    vUV = aUV;
    vColor = aColor;
    gl_Position = vec4(aPos.x / uScreen.x * 2.0 - 1.0, 1.0 - aPos.y / uScreen.y * 2.0, 0.0, 1.0);
}
)";

const char* const FRAGMENT_SHADER = R"(
uniform sampler2D uTexture;
in vec2 vUV;
in vec4 vColor;
out vec4 fragColor;
void main() {
    fragColor = texture(uTexture, vUV) * vColor;
}
)";

// A shader that may discard keeps a software rasterizer from treating any
// draw as covering what is under it, so only the mask uses this one.
const char* const MASK_FRAGMENT_SHADER = R"(
uniform sampler2D uTexture;
in vec2 vUV;
in vec4 vColor;
out vec4 fragColor;
void main() {
    vec4 c = texture(uTexture, vUV) * vColor;
    if (c.a < 0.5) discard;
    fragColor = c;
}
)";

struct Renderer {
    bool ready = false;
    bool skipDrawing = false;  // the test seam: frames go undrawn
    int generation = 0;
    int width = 0;
    int height = 0;
    GLuint program = 0;
    GLuint maskProgram = 0;
    GLuint vertexArray = 0;
    GLuint vertexBuffer = 0;
    GLuint framebuffer = 0;  // the back buffer
    GLuint colorTexture = 0;
    GLuint target = 0;  // what this frame is drawn into: the back buffer or the window (0)
    GLuint whiteTexture = 0;
    GLuint exactSampler = 0;  // unfiltered, for pixel-exact draws
    std::vector<BatchVertex> batch;
    GLuint batchTexture = 0;
    int batchBlend = -1;
    bool batchExact = false;
    bool appliedExact = false;
    int appliedBlend = -1;
};

Renderer& R() {
    static Renderer* renderer =
        new Renderer;  // never destroyed: textures and the audio thread may outlive main
    return *renderer;
}

GLuint CompileShader(GLenum kind, const char* source) {
    const GLuint shader = glCreateShader(kind);
    const char* const parts[2] = {GL_TARGET.shaderHeader, source};
    glShaderSource(shader, 2, parts, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024] = {0};
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        DebugLog(std::string("graphics: shader does not compile: ") + log);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

GLuint LinkProgram(const char* fragmentSource) {
    const GLuint vertex = CompileShader(GL_VERTEX_SHADER, VERTEX_SHADER);
    const GLuint fragment = CompileShader(GL_FRAGMENT_SHADER, fragmentSource);
    if (vertex == 0 || fragment == 0) {
        return 0;
    }
    const GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
        DebugLog("graphics: shader program does not link");
        glDeleteProgram(program);
        return 0;
    }
    return program;
}

GLuint MakeTexture(int width, int height, const void* bgra, bool filtered) {
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    const GLint filter = filtered ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    UploadBgraTexture(width, height, bgra);
    return id;
}

bool MakeBackBuffer(Renderer& r) {
    r.colorTexture = MakeTexture(r.width, r.height, nullptr, false);
    glGenFramebuffers(1, &r.framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, r.framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, r.colorTexture, 0);
    return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

void MakeVertexLayout(Renderer& r) {
    glGenVertexArrays(1, &r.vertexArray);
    glBindVertexArray(r.vertexArray);
    glGenBuffers(1, &r.vertexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, r.vertexBuffer);
    const GLsizei stride = sizeof(BatchVertex);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(BatchVertex, x)));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(BatchVertex, u)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 4, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(BatchVertex, r)));
}

// Alpha stays 1 everywhere, so grabs are opaque: only draws that write 1
// write alpha at all.
void MaskAlpha(bool masked) {
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, masked ? GL_FALSE : GL_TRUE);
}

void UseTarget(Renderer& r) {
    glBindFramebuffer(GL_FRAMEBUFFER, r.target);
    glViewport(0, 0, r.width, r.height);
    MaskAlpha(r.appliedBlend != BLEND_OPAQUE);
}

void SetScreenSize(GLuint program, int width, int height) {
    glUseProgram(program);
    glUniform2f(glGetUniformLocation(program, "uScreen"), static_cast<float>(width),
                static_cast<float>(height));
    glUniform1i(glGetUniformLocation(program, "uTexture"), 0);
}

void ApplyBlend(Renderer& r, int mode) {
    if (mode == r.appliedBlend) {
        return;
    }
    if ((mode == BLEND_MASK) != (r.appliedBlend == BLEND_MASK) || r.appliedBlend < 0) {
        glUseProgram(mode == BLEND_MASK ? r.maskProgram : r.program);
    }
    MaskAlpha(mode != BLEND_OPAQUE);
    r.appliedBlend = mode;
    switch (mode) {
        case BLEND_ALPHA:
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
            break;
        case BLEND_LIGHT:
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE);
            break;
        case BLEND_SHADE:
            glEnable(GL_BLEND);
            glBlendFunc(GL_DST_COLOR, GL_ZERO);
            break;
        default:  // mask, solid and opaque write the source as it is
            glDisable(GL_BLEND);
            break;
    }
}

// Sampler 0 leaves the texture's own filter.
void UseExactSampler(Renderer& r, bool exact) {
    if (exact != r.appliedExact) {
        glBindSampler(0, exact ? r.exactSampler : 0);
        r.appliedExact = exact;
    }
}

}  // namespace

ImageTexture::~ImageTexture() {
    Renderer& r = R();
    if (id != 0 && r.ready && generation == r.generation) {
        if (r.batchTexture == id) {
            FlushBatch();
        }
        glDeleteTextures(1, &id);
    }
}

bool StartRenderer(int width, int height) {
    Renderer& r = R();
    r.width = width;
    r.height = height;
    r.program = LinkProgram(FRAGMENT_SHADER);
    r.maskProgram = LinkProgram(MASK_FRAGMENT_SHADER);
    if (r.program == 0 || r.maskProgram == 0) {
        return false;
    }
    if (!MakeBackBuffer(r)) {
        DebugLog("graphics: the back-buffer framebuffer is incomplete");
        return false;
    }
    MakeVertexLayout(r);
    SetScreenSize(r.maskProgram, width, height);
    SetScreenSize(r.program, width, height);
    const uint32_t white = 0xFFFFFFFFu;
    r.whiteTexture = MakeTexture(1, 1, &white, false);
    glGenSamplers(1, &r.exactSampler);
    glSamplerParameteri(r.exactSampler, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glSamplerParameteri(r.exactSampler, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glSamplerParameteri(r.exactSampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(r.exactSampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glActiveTexture(GL_TEXTURE0);
    r.appliedExact = false;
    r.appliedBlend = -1;
    r.batchTexture = 0;
    r.batchBlend = -1;
    r.batch.clear();
    r.ready = true;
    r.target = r.framebuffer;  // until a present finds the window of the game's own size
    UseTarget(r);
    ClearBackBuffer(0, 0, 0);
    return true;
}

void StopRenderer() {
    Renderer& r = R();
    if (r.ready) {
        glDeleteTextures(1, &r.whiteTexture);
        glDeleteSamplers(1, &r.exactSampler);
        glDeleteTextures(1, &r.colorTexture);
        glDeleteFramebuffers(1, &r.framebuffer);
        glDeleteBuffers(1, &r.vertexBuffer);
        glDeleteVertexArrays(1, &r.vertexArray);
        glDeleteProgram(r.program);
        glDeleteProgram(r.maskProgram);
    }
    const int generation = r.generation + 1;
    r = Renderer();
    r.generation = generation;
}

bool RendererReady() {
    return R().ready;
}

DrawTexture TextureOf(TImage& image, int frame) {
    Renderer& r = R();
    if (!r.ready || frame < 0 || frame >= static_cast<int>(image.frames.size()) ||
        !image.frames[frame]) {
        return {};
    }
    if (image.textures.size() < image.frames.size()) {
        image.textures.resize(image.frames.size());
    }
    std::shared_ptr<ImageTexture>& texture = image.textures[frame];
    if (!texture || texture->generation != r.generation) {
        const TPixmap& pixels = *image.frames[frame];
        texture = std::make_shared<ImageTexture>();
        texture->id = MakeTexture(pixels.width, pixels.height, pixels.pixels.data(),
                                  (image.flags & IMG_FILTERED) != 0);
        texture->generation = r.generation;
        texture->opaque = pixels.format == PF_BGRA8888 && !CarriesAlpha(pixels);
    }
    return {texture->id, texture->opaque};
}

DrawTexture WhiteTexture() {
    return {R().whiteTexture, true};
}

void PushTriangles(unsigned texture, int blendMode, const BatchVertex* vertices, int count,
                   bool pixelExact) {
    Renderer& r = R();
    if (!r.ready || texture == 0 || count <= 0) {
        return;
    }
    if (texture != r.batchTexture || blendMode != r.batchBlend || pixelExact != r.batchExact) {
        FlushBatch();
        r.batchTexture = texture;
        r.batchBlend = blendMode;
        r.batchExact = pixelExact;
    }
    r.batch.insert(r.batch.end(), vertices, vertices + count);
}

void FlushBatch() {
    Renderer& r = R();
    if (!r.ready || r.batch.empty()) {
        return;
    }
    if (r.skipDrawing) {
        r.batch.clear();
        return;
    }
    ApplyBlend(r, r.batchBlend);
    UseExactSampler(r, r.batchExact);
    glBindTexture(GL_TEXTURE_2D, r.batchTexture);
    glBindBuffer(GL_ARRAY_BUFFER, r.vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(r.batch.size() * sizeof(BatchVertex)),
                 r.batch.data(), GL_STREAM_DRAW);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(r.batch.size()));
    r.batch.clear();
}

void ClearBackBuffer(float red, float green, float blue) {
    Renderer& r = R();
    if (!r.ready || r.skipDrawing) {
        return;
    }
    FlushBatch();
    MaskAlpha(false);
    glClearColor(red, green, blue, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    MaskAlpha(r.appliedBlend != BLEND_OPAQUE);
}

Letterbox FitLetterbox(int gameWidth, int gameHeight, int windowWidth, int windowHeight) {
    if (gameWidth <= 0 || gameHeight <= 0 || windowWidth <= 0 || windowHeight <= 0) {
        return Letterbox{0, 0, std::max(windowWidth, 0), std::max(windowHeight, 0)};
    }
    // Integer cross-multiplication keeps an exact fit exact.
    int width = windowWidth;
    int height = static_cast<int>(int64_t{windowWidth} * gameHeight / gameWidth);
    if (height > windowHeight) {
        height = windowHeight;
        width = static_cast<int>(int64_t{windowHeight} * gameWidth / gameHeight);
    }
    return Letterbox{(windowWidth - width) / 2, (windowHeight - height) / 2, width, height};
}

// The back buffer reaches the window as one quad through the same shader: on
// a software driver a framebuffer blit costs far more than a draw the first
// time, and the shader is compiled already.
void DrawBackBufferQuad(const Renderer& r, bool exact) {
    const float w = static_cast<float>(r.width);
    const float h = static_cast<float>(r.height);
    // The texture's row 0 is the bottom of the game's screen.
    const BatchVertex quad[6] = {
        {0, 0, 0, 1, 1, 1, 1, 1}, {w, 0, 1, 1, 1, 1, 1, 1}, {0, h, 0, 0, 1, 1, 1, 1},
        {w, 0, 1, 1, 1, 1, 1, 1}, {w, h, 1, 0, 1, 1, 1, 1}, {0, h, 0, 0, 1, 1, 1, 1},
    };
    const GLint filter = exact ? GL_NEAREST : GL_LINEAR;
    glBindTexture(GL_TEXTURE_2D, r.colorTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glBindBuffer(GL_ARRAY_BUFFER, r.vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof quad, quad, GL_STREAM_DRAW);
    glDrawArrays(GL_TRIANGLES, 0, 6);
}

// The back buffer letterboxed into the window.
void DrawIntoWindow(Renderer& r, int drawableWidth, int drawableHeight) {
    const Letterbox box = FitLetterbox(r.width, r.height, drawableWidth, drawableHeight);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    MaskAlpha(false);
    const bool exact = box.width == r.width && box.height == r.height;
    if (!exact || box.x != 0 || box.y != 0) {
        glViewport(0, 0, drawableWidth, drawableHeight);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    // Window rows run bottom-up, so the box's top edge sets the viewport's y.
    glViewport(box.x, drawableHeight - box.y - box.height, box.width, box.height);
    ApplyBlend(r, BLEND_OPAQUE);
    UseExactSampler(r, false);
    DrawBackBufferQuad(r, exact);
}

void PresentBackBuffer(int drawableWidth, int drawableHeight) {
    Renderer& r = R();
    if (!r.ready || r.skipDrawing) {
        r.batch.clear();
        return;
    }
    FlushBatch();
    if (r.target == r.framebuffer) {
        DrawIntoWindow(r, drawableWidth, drawableHeight);
    }
    // The next frame goes straight into a window of the game's own size.
    const bool fits = drawableWidth == r.width && drawableHeight == r.height;
    r.target = fits ? 0 : r.framebuffer;
    UseTarget(r);
}

void FinishFrame() {
    if (R().ready) {
        glFinish();
    }
}

void SkipDrawing(bool skip) {
    R().skipDrawing = skip;
}

namespace {

// Reads top-down rows from a framebuffer whose row 0 is its bottom.
void ReadRows(GLuint framebuffer, int framebufferHeight, int x, int y, int width, int height,
              uint8_t* target, int pitch) {
    std::vector<uint8_t> rows(static_cast<size_t>(width) * height * 4);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    ReadBgraPixels(x, framebufferHeight - y - height, width, height, rows.data());
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    for (int row = 0; row < height; ++row) {
        const uint8_t* source = rows.data() + rowBytes * static_cast<size_t>(height - 1 - row);
        std::copy_n(source, rowBytes, target + static_cast<size_t>(pitch) * row);
    }
}

}  // namespace

void ReadBackBufferRows(int x, int y, int width, int height, uint8_t* target, int pitch) {
    Renderer& r = R();
    if (!r.ready || width <= 0 || height <= 0) {
        return;
    }
    FlushBatch();
    ReadRows(r.target, r.height, x, y, width, height, target, pitch);
}

void ReadWindowRows(int drawableHeight, int width, int height, uint8_t* target, int pitch) {
    Renderer& r = R();
    if (!r.ready || width <= 0 || height <= 0) {
        return;
    }
    ReadRows(0, drawableHeight, 0, 0, width, height, target, pitch);
    UseTarget(r);
}
