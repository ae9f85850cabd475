#include "test_support.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace glosbo::test {

TempRoot::TempRoot() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "glosbo-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) std::abort();
    m_path = tmpl;
}

TempRoot::~TempRoot() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

void TempRoot::write(const std::string& relative, const std::string& bytes) const {
    const auto full = std::filesystem::path(m_path) / relative;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << bytes;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

core::Page inPrintableArea(core::Page page) {
    const double left = page.frame.left, top = page.frame.top;
    for (core::PageText& t : page.texts) {
        t.x -= left;
        t.y -= top;
    }
    for (core::PageLine& l : page.lines)
        l = {l.x1 - left, l.y1 - top, l.x2 - left, l.y2 - top};
    return page;
}

std::vector<core::Page> inPrintableArea(std::vector<core::Page> pages) {
    for (core::Page& page : pages)
        page = inPrintableArea(std::move(page));
    return pages;
}

} // namespace glosbo::test
