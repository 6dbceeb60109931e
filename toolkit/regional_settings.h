#pragma once

namespace loco {

// The user's decimal separator, read from the system locale at start-up and
// again whenever the desktop announces a locale change.
char decimalSeparator();

// Reads the separator from the system locale now.
void readRegionalSettings();

// Fixes the separator (tests never depend on the machine's locale).
void setDecimalSeparator(char separator);

// Re-reads the settings on every locale change the application receives.
void followLocaleChanges();

} // namespace loco
