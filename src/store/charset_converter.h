#pragma once

#include <iconv.h>

namespace orvanel {

// A conversion between two encodings of the C library, closed with its owner.
class CharsetConverter {
public:
    CharsetConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~CharsetConverter()
    {
        if (isOpen())
            iconv_close(cd_);
    }
    CharsetConverter(const CharsetConverter&) = delete;
    CharsetConverter& operator=(const CharsetConverter&) = delete;

    // False when the C library knows no conversion between the two.
    bool isOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

}  // namespace orvanel
