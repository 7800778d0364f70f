// Runs a test program under the locale that GW_TEST_LOCALE names, the way Qt sets the C and C++
// locale from the environment, so that a conversion that consults the locale shows up as a
// failing caption. The run fails at once when that locale is not installed.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>

namespace {

class LocaleEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    const char* name = std::getenv("GW_TEST_LOCALE");
    if (name == nullptr) return;
    ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << name << " is not installed";
    std::locale::global(std::locale(name));
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << name << " has no decimal comma";
  }
};

[[maybe_unused]] const ::testing::Environment* const kLocale =
    ::testing::AddGlobalTestEnvironment(new LocaleEnvironment);

}  // namespace
