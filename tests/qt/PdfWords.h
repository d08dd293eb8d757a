// The words of a printed PDF page with where they stand, read back with pdftotext (poppler-utils), so
// that a test can hold a printout's captions against the layout.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace qttest
{

struct Word
{
    double xMin, yMin, xMax, yMax; // points from the page's top-left corner
};

// The first occurrence of each word of the page, from pdftotext's bounding boxes.
inline std::map<std::string, Word> wordsOf(const std::filesystem::path& pdf, int& pages)
{
    const std::filesystem::path html = pdf.parent_path() / "words.html";
    const std::string command = "pdftotext -bbox '" + pdf.string() + "' '" + html.string() + "'";
    if (std::system(command.c_str()) != 0) {
        return {};
    }
    std::ifstream in(html);
    std::stringstream text;
    text << in.rdbuf();
    const std::string all = text.str();
    pages = 0;
    for (std::size_t at = all.find("<page "); at != std::string::npos; at = all.find("<page ", at + 1)) {
        ++pages;
    }
    std::map<std::string, Word> words;
    const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto it = std::sregex_iterator(all.begin(), all.end(), word); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        words.emplace(m[5].str(), Word{std::stod(m[1].str()), std::stod(m[2].str()), std::stod(m[3].str()),
                                       std::stod(m[4].str())});
    }
    return words;
}

} // namespace qttest
