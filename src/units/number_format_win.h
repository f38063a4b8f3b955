// Reads the user locale's number description and installs GetNumberFormatA as the
// formatter of number_format.h. Called once at start-up; later locale changes are not seen.
#pragma once

void InitNumberLocaleFromSystem();
