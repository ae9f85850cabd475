#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "core/page.h"

namespace glosbo::test {

// Records the messages the core shows, in order.
class RecordingMessages final : public core::MessageSink {
public:
    void information(const std::u8string& t) override { all.push_back(core::utf8Bytes(t)); }
    void warning(const std::u8string& t) override { all.push_back(core::utf8Bytes(t)); }
    void error(const std::u8string& t) override { all.push_back(core::utf8Bytes(t)); }
    std::vector<std::string> all;
};

// Printed text sizes without a printer: every character as wide as the
// given millimetres per point of the font, a line 0.4 mm per point high.
class FixedPageMetrics final : public core::PageMetrics {
public:
    explicit FixedPageMetrics(double mmPerPoint = 0.2) : m_mmPerPoint(mmPerPoint) {}
    double widthMm(std::string_view text, const core::PageFont& f) const override {
        return m_mmPerPoint * f.points * double(text.size());
    }
    double heightMm(std::string_view, const core::PageFont& f) const override {
        return 0.4 * f.points;
    }

private:
    double m_mmPerPoint;
};

// A printout's places counted from the corner of the printable area it was
// laid out in, as its layout gives them, rather than from the sheet's.
core::Page inPrintableArea(core::Page page);
std::vector<core::Page> inPrintableArea(std::vector<core::Page> pages);

// A data root in a fresh temporary directory, removed at the end.
class TempRoot {
public:
    TempRoot();
    ~TempRoot();
    TempRoot(const TempRoot&) = delete;
    TempRoot& operator=(const TempRoot&) = delete;

    const std::string& path() const { return m_path; }
    // Writes bytes to root/relative, creating directories.
    void write(const std::string& relative, const std::string& bytes) const;

private:
    std::string m_path;
};

// The bytes of a file; empty when it cannot be read.
std::string readBytes(const std::string& path);

// Lines joined with CR LF, as the data files are written.
std::string crlf(const std::vector<std::string>& lines);

} // namespace glosbo::test
