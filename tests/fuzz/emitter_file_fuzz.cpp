// Emitter files: any file gives an emitter whose bursts and updates keep the
// particle pool whole.
#include "fuzz/fuzz_support.h"
#include "platform/clock.h"
#include "toolkit/particle_emitter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ServeFuzzFile("emitter.txt", data, size);
    const ParticleEmitterPtr emitter = _kwa_ParticleEmitter::Create("fuzz", "emitter.txt", 0);
    FUZZ_CHECK(emitter != nullptr);
    for (int step = 0; step < 8; ++step) {
        emitter->DoBurst(100.0f, 100.0f, 0);
        FUZZ_CHECK(emitter->LiveCount() + emitter->FreeCount() == EMITTER_POOL_SIZE);
        emitter->Update(step % 2 ? 0.016f : 2.0f);
        FUZZ_CHECK(emitter->LiveCount() + emitter->FreeCount() == EMITTER_POOL_SIZE);
    }
    emitter->Update(1.0e9f);
    FUZZ_CHECK(emitter->LiveCount() + emitter->FreeCount() == EMITTER_POOL_SIZE);
    emitter->Destroy();
    return 0;
}
