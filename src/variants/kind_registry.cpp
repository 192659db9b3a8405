#include "variants/kind_registry.h"

#include "play/classic_mode.h"
#include "variants/clicks_mode.h"
#include "variants/editor_mode.h"
#include "variants/memory_mode.h"
#include "variants/rivers_mode.h"
#include "variants/two_player_mode.h"

namespace ribaku {

KindRegistry::KindRegistry() {
    Install(std::make_unique<ClassicMode>());
    Install(std::make_unique<TwoPlayerMode>());
    Install(std::make_unique<RiversMode>());
    Install(std::make_unique<MemoryMode>());
    Install(std::make_unique<ClicksMode>());
    Install(std::make_unique<EditorMode>());
}

BoardMode* KindRegistry::Find(TGameMode mode) const {
    return mode < kinds_.size() ? kinds_[mode].get() : nullptr;
}

void KindRegistry::Install(std::unique_ptr<BoardMode> kind) {
    const TGameMode mode = kind->Mode();
    kinds_.at(mode) = std::move(kind);
}

}  // namespace ribaku
