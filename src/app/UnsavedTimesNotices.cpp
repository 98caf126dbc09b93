// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UnsavedTimesNotices.h"

#include <utility>

namespace kestive {

std::string UnsavedTimesNotices::unsavedTimesFrom(const std::vector<std::string>& files) {
    std::string names;
    for (const std::string& file : files) names += (names.empty() ? "" : ", ") + file;
    return "File > Load Session brings back your unsaved times: " + names + ".";
}

std::string UnsavedTimesNotices::unsavedTimesWentTo(const std::string& file) {
    return "Before the load, your unsaved times went to " + file + ".";
}

std::string UnsavedTimesNotices::unsavedTimesNotWritten(const std::string& reason) {
    return "Times not safe on disk (" + reason + "): use File > Save Session.";
}

void UnsavedTimesNotices::recoverLeftTimes() {
    if (!journal_) return;
    const UnsavedTimes::Recovered recovered = journal_->recoverLeftTimes();
    if (!recovered.errors.empty()) {
        line_.show(
            {"Unsaved times of last time not recovered: " + recovered.errors.front(), FeedbackLine::kRed});
    } else if (!recovered.files.empty()) {
        line_.show({unsavedTimesFrom(recovered.files), FeedbackLine::kBlue});
    }
}

void UnsavedTimesNotices::kept(const TimeStore& store, int pll, std::int32_t time) {
    if (!journal_) return;
    const UnsavedTimes::WriteResult written = journal_->kept(store, pll, time);
    if (!written) line_.show({unsavedTimesNotWritten(written.error().reason), FeedbackLine::kRed});
}

Result<std::optional<std::string>, SessionError> UnsavedTimesNotices::beforeLoad(
    const TimeStore& store, const std::filesystem::path& name) {
    if (!journal_) return std::optional<std::string>{};
    UnsavedTimes::KeptResult kept = journal_->keepBeforeLoad(store);
    if (!kept) {
        return Failure{SessionError{name.string(), 0,
                                    "not loaded, because the times kept since the last save could not be put "
                                    "in a file of their own first (" +
                                        kept.error() + "); save them with File > Save Session"}};
    }
    return std::move(kept).value();
}

void UnsavedTimesNotices::loaded(const TimeStore& store, const std::optional<std::string>& keptIn) {
    if (!journal_) return;
    const UnsavedTimes::WriteResult written = journal_->loaded(store);
    if (!keptIn) return tellWriteFailure(written);
    const std::string where = unsavedTimesWentTo(*keptIn);
    const bool news = !written && !written.error().alreadyTold;
    line_.show(
        news ? Feedback{where + " " + unsavedTimesNotWritten(written.error().reason), FeedbackLine::kRed}
             : Feedback{where, FeedbackLine::kBlue});
}

void UnsavedTimesNotices::saved(const TimeStore& store) {
    if (journal_) tellWriteFailure(journal_->saved(store));
}

void UnsavedTimesNotices::closing(const TimeStore& store) {
    if (journal_) journal_->closing(store);
}

void UnsavedTimesNotices::tellWriteFailure(const UnsavedTimes::WriteResult& written) {
    if (!written && !written.error().alreadyTold) {
        line_.show({unsavedTimesNotWritten(written.error().reason), FeedbackLine::kRed});
    }
}

}  // namespace kestive
