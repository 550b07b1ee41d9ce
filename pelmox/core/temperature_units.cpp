#include "temperature_units.h"

namespace pelmox {

double CelsiusToFahrenheit(float celsius) {
    const long double factor = 1.8f;
    return static_cast<double>(static_cast<long double>(celsius) * factor + 32.0L);
}

float FahrenheitToCelsius(double fahrenheit) {
    return static_cast<float>((fahrenheit - 32.0) * 0.5555555555555556);
}

}  // namespace pelmox
