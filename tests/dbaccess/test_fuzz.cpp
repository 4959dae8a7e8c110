// Randomised inputs with a fixed seed: the settings-file reader and the leading-number
// rule never fail, and give what their rules say for texts built from known parts.
#include "dbaccess/leading_number.h"
#include "dbaccess/settings_file.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

namespace {

constexpr int rounds = 100000;

std::string randomText(std::mt19937 &random, int longest, const std::string &alphabet)
{
    std::uniform_int_distribution<int> length(0, longest);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text;
    for (int n = length(random); n > 0; --n)
        text += alphabet[pick(random)];
    return text;
}

// Every byte but the line ends: values as a settings line can hold them.
const std::string lineBytes = [] {
    std::string bytes;
    for (int c = 1; c < 256; ++c)
        if (c != '\r' && c != '\n')
            bytes += char(c);
    return bytes;
}();

TEST(Fuzz, SettingsFileReadsBackWhatWasWrittenWhateverTheLineEndsAndTail)
{
    std::mt19937 random(20261211);
    const char *ends[] = {"\r\n", "\r", "\n"};
    std::uniform_int_distribution<int> end(0, 2);
    for (int round = 0; round < rounds; ++round) {
        dbaccess::SettingsFile written;
        for (std::string *value : {&written.hostname, &written.port, &written.dbuser,
                                   &written.pword, &written.dbname, &written.company})
            *value = randomText(random, 12, lineBytes);
        if (written.hostname.rfind("\xEF\xBB\xBF", 0) == 0)
            written.hostname.erase(0, 3); // a leading byte-order mark is not part of a value
        // As the setup tool writes it, then with other line ends and anything after line 6.
        const std::string asSaved = dbaccess::settingsFileText(written);
        ASSERT_EQ(dbaccess::parseSettingsText(asSaved), written) << "round " << round;
        std::string other;
        bool afterLoneCr = false;
        for (const std::string *value : {&written.hostname, &written.port, &written.dbuser,
                                         &written.pword, &written.dbname, &written.company}) {
            int e = end(random);
            if (afterLoneCr && value->empty() && e == 2)
                e = 0; // a lone CR then a lone LF would be one CR LF line end
            other += *value + ends[e];
            afterLoneCr = e == 1;
        }
        other += randomText(random, 40, lineBytes + "\r\n");
        ASSERT_EQ(dbaccess::parseSettingsText(other), written) << "round " << round;
        // Any bytes at all read without failing.
        (void)dbaccess::parseSettingsText(randomText(random, 80, lineBytes + "\r\n"));
    }
}

TEST(Fuzz, LeadingNumberReadsTheNumberItWasBuiltFrom)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coin(0, 1);
    const std::string digits = "0123456789";
    for (int round = 0; round < rounds; ++round) {
        // A number from known parts: sign, digits with a point, an exponent.
        std::string number = coin(random) ? "-" : "";
        const std::string whole = randomText(random, 8, digits);
        const std::string fraction = randomText(random, 8, digits);
        if (whole.empty() && fraction.empty())
            continue;
        number += whole;
        if (!fraction.empty() || coin(random))
            number += "." + fraction;
        if (coin(random))
            number += "e" + std::string(coin(random) ? "-" : "") +
                      std::to_string(std::uniform_int_distribution<int>(0, 420)(random));
        double expected = 0;
        std::string plain = number[0] == '-' ? number.substr(1) : number;
        if (plain[0] == '.')
            plain.insert(plain.begin(), '0');
        const auto parsed = std::from_chars(plain.data(), plain.data() + plain.size(), expected);
        if (number[0] == '-')
            expected = -expected;

        // Blanks, tabs and line feeds anywhere, then a tail that cannot continue it.
        std::string typed;
        for (char c : number) {
            typed += randomText(random, 2, " \t\n");
            typed += c;
        }
        typed += randomText(random, 2, " \t\n") + "x" + randomText(random, 6, digits + ".e-");
        const auto read = dbaccess::leadingNumber(typed);
        if (parsed.ec == std::errc::result_out_of_range) {
            // Beyond a double: a tiny number (a negative exponent) reads 0, a huge one is
            // no number.
            if (number.find("e-") != std::string::npos) {
                EXPECT_TRUE(read.found) << typed;
                EXPECT_EQ(read.value, 0) << typed;
            } else {
                EXPECT_FALSE(read.found) << typed;
            }
            continue;
        }
        ASSERT_TRUE(read.found) << typed;
        ASSERT_EQ(read.value, expected) << typed;
        EXPECT_TRUE(std::isfinite(read.value)) << typed;
    }
}

TEST(Fuzz, LeadingNumberNeverFailsOnAnyText)
{
    std::mt19937 random(11);
    const std::string bytes = lineBytes + "\r\n";
    for (int round = 0; round < rounds; ++round) {
        const std::string text = randomText(random, 30, round % 2 ? bytes : "0123456789+-.eE \t\n");
        const auto read = dbaccess::leadingNumber(text);
        EXPECT_TRUE(std::isfinite(read.value)) << text;
        if (!read.found) {
            EXPECT_EQ(read.value, 0) << text;
        }
        const auto company = dbaccess::leadingInt16(text);
        if (company) {
            EXPECT_EQ(double(*company), dbaccess::roundHalfEven(read.value)) << text;
        }
    }
}

} // namespace
