#include "app/CommandWriteClaim.h"

#include <ostream>

namespace tq {

namespace {
constexpr const char* nothingWritten = " Nothing was written.\n";
}

std::optional<CommandWriteClaim> CommandWriteClaim::take(const std::string& read, const std::string& target,
                                                         std::time_t now, std::ostream& err,
                                                         bool saysNothingWritten)
{
    CommandWriteClaim claim;
    claim.lineEnd_ = saysNothingWritten ? "\n" : nothingWritten;
    FileLock::Attempt attempt = FileLock::take(target, now);
    if (attempt.heldBy) {
        err << heldByText(target, *attempt.heldBy, now) << claim.lineEnd_;
        return std::nullopt;
    }
    claim.target_.path = target;
    claim.target_.lock = std::move(attempt.lock);
    claim.known_.remember(read);
    return claim;
}

bool CommandWriteClaim::mayWrite(std::time_t now, std::ostream& err) const
{
    LockHolder holder;
    switch (checkBeforeWriting(known_, target_, target_.path, now, &holder)) {
    case BeforeWriting::Write: return true;
    case BeforeWriting::OpenElsewhere: err << heldByText(target_.path, holder, now) << lineEnd_; break;
    case BeforeWriting::ChangedOnDisk: err << changedOnDiskQuestion(known_, target_.path, now) << lineEnd_; break;
    case BeforeWriting::ReadOnly: break;
    }
    return false;
}

} // namespace tq
