// The message recorder and the comparison of message sequences.
#include <desktop.h>

#include "user/user_internal.h"

#include <algorithm>
#include <cstdio>

namespace desktop {
namespace {

std::string Describe(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    char buffer[160];
    snprintf(buffer, sizeof buffer, "%-22s hwnd=%p wParam=0x%llx lParam=0x%llx",
             wm::MessageName(msg).c_str(), (void*)hwnd, (unsigned long long)wParam,
             (unsigned long long)lParam);
    return buffer;
}

std::string Describe(const Expected& e) {
    char buffer[160];
    std::string w = e.checkWParam
                        ? "0x" +
                              [&] {
                                  char b[32];
                                  snprintf(b, sizeof b, "%llx", (unsigned long long)e.wParam);
                                  return std::string(b);
                              }()
                        : std::string("*");
    std::string l = e.checkLParam
                        ? "0x" +
                              [&] {
                                  char b[32];
                                  snprintf(b, sizeof b, "%llx", (unsigned long long)e.lParam);
                                  return std::string(b);
                              }()
                        : std::string("*");
    snprintf(buffer, sizeof buffer, "%-22s hwnd=%s wParam=%s lParam=%s",
             wm::MessageName(e.msg).c_str(), e.hwnd ? "" : "*", w.c_str(), l.c_str());
    std::string s = buffer;
    if (e.hwnd) {
        char h[32];
        snprintf(h, sizeof h, "%p", (void*)e.hwnd);
        s.insert(s.find("hwnd=") + 5, h);
    }
    return s;
}

bool Matches(const RecordedMessage& a, const Expected& e) {
    return a.msg == e.msg && (!e.hwnd || a.hwnd == e.hwnd) &&
           (!e.checkWParam || a.wParam == e.wParam) && (!e.checkLParam || a.lParam == e.lParam);
}

} // namespace

MessageRecorder::MessageRecorder() {
    wm::AddObserver(&MessageRecorder::Observe, this);
}

MessageRecorder::~MessageRecorder() {
    Stop();
}

void MessageRecorder::Watch(HWND hwnd) {
    windows_.push_back(hwnd);
}
void MessageRecorder::WatchAll() {
    all_ = true;
}
void MessageRecorder::Only(std::initializer_list<UINT> messages) {
    only_ = messages;
}
void MessageRecorder::Ignore(std::initializer_list<UINT> messages) {
    ignore_ = messages;
}
void MessageRecorder::Clear() {
    messages_.clear();
}

void MessageRecorder::Stop() {
    if (active_) {
        active_ = false;
        wm::RemoveObserver(&MessageRecorder::Observe, this);
    }
}

void MessageRecorder::Observe(void* self, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* r = static_cast<MessageRecorder*>(self);
    if (!r->all_ && std::find(r->windows_.begin(), r->windows_.end(), hwnd) == r->windows_.end()) {
        return;
    }
    if (!r->only_.empty() && std::find(r->only_.begin(), r->only_.end(), msg) == r->only_.end()) {
        return;
    }
    if (std::find(r->ignore_.begin(), r->ignore_.end(), msg) != r->ignore_.end()) {
        return;
    }
    r->messages_.push_back(RecordedMessage{hwnd, msg, wParam, lParam, wm::MessageName(msg)});
}

std::string MessageRecorder::Dump() const {
    std::string out;
    for (const RecordedMessage& m : messages_) {
        out += Describe(m.hwnd, m.msg, m.wParam, m.lParam) + "\n";
    }
    return out;
}

SequenceResult expect_sequence(const std::vector<RecordedMessage>& actual,
                               const std::vector<Expected>& expected) {
    size_t n = std::max(actual.size(), expected.size());
    size_t firstDiff = n;
    for (size_t i = 0; i < n; ++i) {
        if (i >= actual.size() || i >= expected.size() || !Matches(actual[i], expected[i])) {
            firstDiff = i;
            break;
        }
    }
    if (firstDiff == n) {
        return SequenceResult{true, ""};
    }
    std::string text = "message sequence differs at #" + std::to_string(firstDiff) + "\n";
    for (size_t i = 0; i < n; ++i) {
        std::string e = i < expected.size() ? Describe(expected[i]) : "(nothing)";
        std::string a = i < actual.size() ? Describe(actual[i].hwnd, actual[i].msg,
                                                     actual[i].wParam, actual[i].lParam)
                                          : "(nothing)";
        text += (i == firstDiff ? "=> " : "   ") + std::to_string(i) + "  expected " + e +
                "\n      got      " + a + "\n";
    }
    return SequenceResult{false, text};
}

std::string MessageName(UINT msg) {
    return wm::MessageName(msg);
}

} // namespace desktop
