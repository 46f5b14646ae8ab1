// JPEG through libjpeg; its fatal errors jump back here instead of exiting.
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

#include "platform/debug_log.h"
#include "platform/picture_codecs.h"

namespace {

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

void OnJpegError(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void OnJpegMessage(j_common_ptr info, int level) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        errors->truncated = true;
    }
}

// The decoder's state lives outside the function that calls setjmp, so nothing
// there is left half-made when libjpeg jumps back.
struct JpegJob {
    const uint8_t* data;
    size_t size;
    jpeg_decompress_struct info;
    JpegErrors errors;
    JSAMPLE* row;  // one RGB row, owned by libjpeg's pool
    PixmapPtr pixmap;
};

bool ReadHeader(JpegJob& job) {
    jpeg_mem_src(&job.info, const_cast<unsigned char*>(job.data),
                 static_cast<unsigned long>(job.size));
    if (jpeg_read_header(&job.info, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    job.info.out_color_space = JCS_RGB;
    return job.info.num_components == 1 || job.info.num_components == 3;
}

void StoreRow(JpegJob& job, int y) {
    uint8_t* out = job.pixmap->Row(y);
    const JSAMPLE* in = job.row;
    for (int x = 0; x < job.pixmap->width; ++x, in += 3, out += 4) {
        out[0] = in[2];
        out[1] = in[1];
        out[2] = in[0];
        out[3] = 255;
    }
}

// Returns false on any decoding failure (after libjpeg cleaned up).
bool RunJpegJob(JpegJob& job) {
    job.info.err = jpeg_std_error(&job.errors.manager);
    job.errors.manager.error_exit = OnJpegError;
    job.errors.manager.emit_message = OnJpegMessage;
    job.errors.truncated = false;
    job.errors.message[0] = '\0';
    if (setjmp(job.errors.jump) != 0) {
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    jpeg_create_decompress(&job.info);
    if (!ReadHeader(job)) {
        std::snprintf(job.errors.message, sizeof job.errors.message, "unsupported colour layout");
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    const int width = static_cast<int>(job.info.image_width);
    const int height = static_cast<int>(job.info.image_height);
    if (!PictureSizeAllowed(width, height, "JPEG")) {
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    job.pixmap = CreatePixmap(width, height, PF_BGRA8888);
    jpeg_start_decompress(&job.info);
    job.row = static_cast<JSAMPLE*>((*job.info.mem->alloc_small)(
        reinterpret_cast<j_common_ptr>(&job.info), JPOOL_IMAGE, job.info.output_width * 3));
    while (job.info.output_scanline < job.info.output_height && !job.errors.truncated) {
        const int y = static_cast<int>(job.info.output_scanline);
        jpeg_read_scanlines(&job.info, &job.row, 1);
        StoreRow(job, y);
    }
    if (job.errors.truncated) {
        std::snprintf(job.errors.message, sizeof job.errors.message, "data ends early");
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    jpeg_finish_decompress(&job.info);
    jpeg_destroy_decompress(&job.info);
    return true;
}

}  // namespace

PixmapPtr DecodeJpeg(const uint8_t* data, size_t size, bool& hasAlpha) {
    auto job = std::make_unique<JpegJob>();
    job->data = data;
    job->size = size;
    hasAlpha = false;
    if (!RunJpegJob(*job)) {
        DebugLog(std::string("picture: bad JPEG: ") + job->errors.message);
        return nullptr;
    }
    return job->pixmap;
}
