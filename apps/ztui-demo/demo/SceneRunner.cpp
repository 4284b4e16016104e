#include "apps/ztui-demo/demo/SceneRunner.h"

#include "platform/base/AtomicFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <sstream>

namespace ztdemo {

SceneRunner::SceneRunner(std::filesystem::path outDir, PictureWriter writePicture,
                         std::ostream& log)
    : m_outDir(std::move(outDir)), m_writePicture(std::move(writePicture)), m_log(log)
{
}

void SceneRunner::add(Scene scene) { m_scenes.push_back(std::move(scene)); }

std::vector<std::string> SceneRunner::ids() const
{
    std::vector<std::string> all;
    for (const Scene& scene : m_scenes)
        all.push_back(scene.id);
    return all;
}

std::vector<std::string> SceneRunner::unknownSelections() const
{
    std::vector<std::string> unknown;
    for (const std::string& id : m_selected) {
        bool known = std::any_of(m_scenes.begin(), m_scenes.end(),
                                 [&](const Scene& s) { return s.id == id; });
        if (!known)
            unknown.push_back(id);
    }
    return unknown;
}

std::vector<SceneOutcome> SceneRunner::run(SceneContext& context)
{
    std::error_code ec;
    std::filesystem::create_directories(m_outDir, ec);
    std::vector<SceneOutcome> outcomes;
    int number = 0;
    for (const Scene& scene : m_scenes) {
        if (!m_selected.empty() &&
            std::find(m_selected.begin(), m_selected.end(), scene.id) == m_selected.end())
            continue;
        ++number;
        SceneOutcome out{scene.id, scene.caption, {}, {}, 0};
        SceneChecks checks;
        auto start = std::chrono::steady_clock::now();
        try {
            scene.play(context, checks);
        } catch (const std::exception& e) {
            checks.expect(false, std::string("threw: ") + e.what());
        } catch (...) {
            checks.expect(false, "threw a non-standard exception");
        }
        char stem[16];
        std::snprintf(stem, sizeof stem, "%02d-", number);
        std::string picture = stem + scene.id + ".png";
        std::error_code copyError;
        bool written = checks.picture().empty()
                           ? m_writePicture(m_outDir / picture)
                           : std::filesystem::copy_file(
                                 checks.picture(), m_outDir / picture,
                                 std::filesystem::copy_options::overwrite_existing, copyError);
        if (written)
            out.picture = picture;
        else
            checks.expect(false, "the picture could not be written");
        out.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        out.failures = checks.failures();

        char line[64];
        std::snprintf(line, sizeof line, "%-4s %-22s %5.2fs  ", out.passed() ? "ok" : "FAIL",
                      scene.id.c_str(), out.seconds);
        m_log << line << scene.caption << "\n";
        for (const std::string& f : out.failures)
            m_log << "       - " << f << "\n";
        m_log.flush();
        outcomes.push_back(std::move(out));
    }
    if (!WriteGallery(m_outDir / "index.html", outcomes))
        m_log << "FAIL the gallery could not be written to " << (m_outDir / "index.html") << "\n";
    return outcomes;
}

std::string EscapeHtml(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

bool WriteGallery(const std::filesystem::path& file, const std::vector<SceneOutcome>& outcomes)
{
    std::ostringstream html;
    html << "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">\n"
            "<title>ZTUi reference host</title>\n<style>\n"
            "body{font-family:sans-serif;background:#20262d;color:#e8e8e8;margin:2em}\n"
            "figure{margin:0 0 2.5em 0}img{max-width:100%;border:1px solid #555}\n"
            "figcaption{margin-top:.4em}.fail{color:#ff7b7b}\n</style></head><body>\n"
            "<h1>ZTUi reference host: the scripted session</h1>\n";
    for (const SceneOutcome& o : outcomes) {
        html << "<figure id=\"" << EscapeHtml(o.id) << "\">\n";
        if (!o.picture.empty())
            html << "<img src=\"" << EscapeHtml(o.picture) << "\" alt=\"" << EscapeHtml(o.caption)
                 << "\">\n";
        html << "<figcaption>" << EscapeHtml(o.caption);
        if (!o.passed()) {
            html << " <span class=\"fail\">failed:";
            for (const std::string& f : o.failures)
                html << " " << EscapeHtml(f) << ";";
            html << "</span>";
        }
        html << "</figcaption>\n</figure>\n";
    }
    html << "</body></html>\n";
    return zt::WriteFileAtomically(file, html.str());
}

} // namespace ztdemo
