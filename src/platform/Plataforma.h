// The seams of the game logic: clock, random source, exposure wait, beep and web browser.
#pragma once

#include <cstdint>
#include <string>

namespace gemelario {

struct Fecha {
    int dia = 1;
    int mes = 1;
    int anio = 2000;
};

// Time of day and date, as the game reads them.
class Reloj {
public:
    virtual ~Reloj() = default;
    // Time of day in whole seconds since midnight, 0..86399.
    virtual int horaDelDia() = 0;
    virtual Fecha hoy() = 0;
    // Seconds since midnight with their fraction; the random generator is reseeded from it.
    virtual double segundosDesdeMedianoche() = 0;
};

// Random source: a reseed mixes a value into the state; a draw gives r in [0, 1).
class Azar {
public:
    virtual ~Azar() = default;
    virtual void reiniciar(double semilla) = 0;
    virtual double sortear() = 0;
};

// The blocking exposure wait of `valor` steps.
class Espera {
public:
    virtual ~Espera() = default;
    virtual void esperar(std::int32_t valor) = 0;
};

class Pitido {
public:
    virtual ~Pitido() = default;
    virtual void pitar() = 0;
};

// Asks the desktop to open a web address in the user's browser, in a window of its own.
class AbridorWeb {
public:
    virtual ~AbridorWeb() = default;
    virtual void abrir(const std::string& direccion) = 0;
};

} // namespace gemelario
