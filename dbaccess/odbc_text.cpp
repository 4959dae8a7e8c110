#include "dbaccess/odbc_text.h"

namespace dbaccess::odbc {

static_assert(sizeof(SQLWCHAR) == 2, "the driver manager must use UTF-16 wide characters");

std::basic_string<SQLWCHAR> toWide(std::string_view utf8)
{
    std::basic_string<SQLWCHAR> wide;
    wide.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        char32_t code = 0xFFFD;
        std::size_t length = 1;
        if (c < 0x80) {
            code = c;
        } else if ((c >> 5) == 0x6) {
            length = 2;
        } else if ((c >> 4) == 0xE) {
            length = 3;
        } else if ((c >> 3) == 0x1E) {
            length = 4;
        }
        if (length > 1) {
            if (i + length > utf8.size()) {
                length = 1;
            } else {
                code = c & (0x7F >> length);
                for (std::size_t k = 1; k < length; ++k) {
                    const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
                    if ((next >> 6) != 0x2) {
                        code = 0xFFFD;
                        length = k;
                        break;
                    }
                    code = (code << 6) | (next & 0x3F);
                }
            }
        }
        i += length;
        if (code >= 0x10000) {
            code -= 0x10000;
            wide.push_back(SQLWCHAR(0xD800 + (code >> 10)));
            wide.push_back(SQLWCHAR(0xDC00 + (code & 0x3FF)));
        } else {
            wide.push_back(SQLWCHAR(code));
        }
    }
    return wide;
}

std::string toUtf8(const SQLWCHAR *text, std::size_t length)
{
    std::string utf8;
    utf8.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < length && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (code < 0x80) {
            utf8 += char(code);
        } else if (code < 0x800) {
            utf8 += char(0xC0 | (code >> 6));
            utf8 += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            utf8 += char(0xE0 | (code >> 12));
            utf8 += char(0x80 | ((code >> 6) & 0x3F));
            utf8 += char(0x80 | (code & 0x3F));
        } else {
            utf8 += char(0xF0 | (code >> 18));
            utf8 += char(0x80 | ((code >> 12) & 0x3F));
            utf8 += char(0x80 | ((code >> 6) & 0x3F));
            utf8 += char(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

} // namespace dbaccess::odbc
