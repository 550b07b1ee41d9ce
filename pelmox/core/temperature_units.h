// Temperatures are kept in Celsius; Fahrenheit exists only in texts and in
// vendor values given in that unit.
#pragma once

namespace pelmox {

enum TempUnit : int { TempCelsius = 0, TempFahrenheit = 1 };

// C * 1.8 + 32 with the single-precision 1.8, formed at extended precision.
double CelsiusToFahrenheit(float celsius);

// (F - 32) * 5/9, the factor the double nearest 5/9, stored as a single.
float FahrenheitToCelsius(double fahrenheit);

}  // namespace pelmox
