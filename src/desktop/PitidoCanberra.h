// The beep as the desktop's own "bell" event sound (freedesktop sound theme, through libcanberra),
// played without ever holding up the game.
#pragma once

#include "Plataforma.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace gemelario::ventanas {

class PitidoCanberra final : public Pitido {
public:
    PitidoCanberra() = default;
    ~PitidoCanberra() override;
    PitidoCanberra(const PitidoCanberra&) = delete;
    PitidoCanberra& operator=(const PitidoCanberra&) = delete;

    // Returns at once: a worker thread, started by the first beep, opens the sound system and plays.
    // Where nothing can be played (no sound server, no theme, event sounds off) nothing is heard.
    void pitar() override;

private:
    void trabajar();

    std::mutex mutex_;
    std::condition_variable aviso_;
    std::thread hilo_;
    int pendientes_ = 0;
    bool fin_ = false;
};

} // namespace gemelario::ventanas
