// Installs a decimal separator for numbers typed and shown, for the lifetime
// of the guard; the default ('.') is restored afterwards.
#pragma once

#include "MathFunctions.h"

class TSeparatorGuard {
public:
    explicit TSeparatorGuard(char ASeparator) {
        Current() = ASeparator;
        SetDecimalSeparatorProvider([] { return Current(); });
    }
    ~TSeparatorGuard() { SetDecimalSeparatorProvider(nullptr); }
    TSeparatorGuard(const TSeparatorGuard&) = delete;
    TSeparatorGuard& operator=(const TSeparatorGuard&) = delete;

private:
    static char& Current() {
        static char separator = '.';
        return separator;
    }
};
