#include "app/TestDriverSettings.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace tq {

namespace {
std::optional<int> positive(std::string_view s)
{
    int n = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (s.empty() || error != std::errc() || end != s.data() + s.size() || n < 0)
        return std::nullopt;
    return n;
}
} // namespace

std::optional<TestDriverSettings> testDriverRequest(const char* driver, const char* interval, const char* hold)
{
    if (!driver || std::string_view(driver) != "1")
        return std::nullopt;
    TestDriverSettings settings;
    if (interval)
        if (const std::optional<int> ms = positive(interval))
            settings.recoveryInterval = RecoveryCopies::Delay{*ms};
    const std::string_view held = hold ? hold : "";
    const size_t colon = held.find(':');
    if (colon != std::string_view::npos)
        for (CopyWriteStep step : {CopyWriteStep::FolderMade, CopyWriteStep::CopyWritten, CopyWriteStep::NoteWritten,
                                   CopyWriteStep::InPlace, CopyWriteStep::OlderRemoved})
            if (copyWriteStepName(step) == held.substr(colon + 1))
                if (const std::optional<int> n = positive(held.substr(0, colon))) {
                    settings.holdWrite = *n;
                    settings.holdStep = step;
                }
    return settings;
}

std::optional<TestDriverSettings> testDriverFromEnvironment()
{
    return testDriverRequest(std::getenv("TQ_TEST_DRIVER"), std::getenv("TQ_TEST_RECOVERY_INTERVAL_MS"),
                             std::getenv("TQ_TEST_HOLD_WRITE"));
}

} // namespace tq
