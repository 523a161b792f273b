// The public archives of libarchive's own test suite: every one ends with result codes, and
// every one the manifest marks as extracted gives the same files, except where libarchive
// itself cannot decode it.
#include "TemporaryFolder.h"
#include "UnrarLibrary.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace fs = std::filesystem;

namespace {

const fs::path kCorpus = UNRAR_CORPUS_DIR;

// Archives whose output differs from the manifest's because libarchive 3.6.2 cannot decode
// them the way the reference extractor does.
const std::map<std::string, std::string> kDecoderLimits = {
    {"test_read_format_rar3_lowdist_reset.rar", "Bad RAR file data"},
    {"test_read_format_rar5_main_block_extra_bytes.rar", "Too small block encountered (0 bytes)"},
    {"test_read_format_rar5_skip_block_extra_bytes.rar", "Too small block encountered (0 bytes)"},
    {"test_read_format_rar5_nonempty_dir_stream.rar", "Too small block encountered (0 bytes)"},
    {"test_read_format_rar_multi_lzss_blocks.rar", "File CRC error on LZSS data"},
    {"test_read_format_rar_ppmd_lzss_conversion.rar", "File CRC error on PPMd to LZSS data"},
    {"test_read_format_rar_multivolume.part0001.rar", "File CRC error on PPMd to LZSS data"},
    {"test_read_format_rar_overflow.rar", "Bad RAR file data"},
};

struct Item {
    std::string kind;
    std::string detail; // size and SHA-256 of a file, target of a link
    bool operator==(const Item&) const = default;
};

std::string sha256Of(const fs::path& path) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) {
        return "unreadable";
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex().toStdString();
}

// A link to a file inside the tree counts as a copy of that file, as in the manifest.
std::map<std::string, Item> treeOf(const fs::path& root) {
    std::map<std::string, Item> items;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        const std::string name = it->path().lexically_relative(root).generic_string();
        if (it->is_symlink()) {
            if (fs::is_regular_file(it->path(), error)) {
                items[name] = {"file", std::to_string(fs::file_size(it->path())) + " " +
                                           sha256Of(it->path())};
            } else {
                items[name] = {"link", fs::read_symlink(it->path()).string()};
            }
        } else if (it->is_directory()) {
            items[name] = {"dir", ""};
        } else {
            items[name] = {"file", std::to_string(it->file_size()) + " " + sha256Of(it->path())};
        }
    }
    return items;
}

std::map<std::string, Item> expectedTree(const QJsonObject& entries) {
    std::map<std::string, Item> items;
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        const QJsonObject entry = it.value().toObject();
        const std::string kind = entry["kind"].toString().toStdString();
        std::string detail;
        if (kind == "file") {
            detail = std::to_string(entry["size"].toInteger()) + " " +
                     entry["sha256"].toString().toStdString();
        } else if (kind == "link") {
            detail = entry["target"].toString().toStdString();
        }
        items[it.key().toStdString()] = {kind, detail};
    }
    return items;
}

QJsonObject manifest() {
    QFile file(QString::fromStdString((kCorpus / "MANIFEST.json").string()));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QJsonDocument::fromJson(file.readAll()).object();
}

std::vector<std::string> corpusArchives() {
    std::vector<std::string> names;
    for (const auto& key : manifest().keys()) {
        names.push_back(key.toStdString());
    }
    if (names.empty()) {
        names.push_back(""); // one test that reports the corpus as missing
    }
    return names;
}

// The manifest names a folder only when nothing inside it is named.
std::map<std::string, Item> withoutImpliedFolders(std::map<std::string, Item> tree) {
    for (auto it = tree.begin(); it != tree.end();) {
        const auto next = std::next(it);
        const bool implied = it->second.kind == "dir" && next != tree.end() &&
                             next->first.rfind(it->first + "/", 0) == 0;
        it = implied ? tree.erase(it) : next;
    }
    return tree;
}

std::string describe(const std::map<std::string, Item>& tree) {
    std::string text;
    for (const auto& [name, item] : tree) {
        text += "  " + name + " " + item.kind + " " + item.detail + "\n";
    }
    return text;
}

} // namespace

class UnrarCorpus : public ::testing::TestWithParam<std::string> {};

TEST_P(UnrarCorpus, EndsWithResultCodesAndMatchesTheReference) {
    if (GetParam().empty()) {
        GTEST_SKIP() << "public corpus not found at " << kCorpus;
    }
    const std::string archive = (kCorpus / GetParam()).string();
    TemporaryFolder folder;
    const std::string destination = folder / "out";
    constexpr std::size_t kEntryLimit = 10000;

    const auto listed = UnrarLibrary::instance().runPass(archive, RAR_OM_LIST, RAR_EXTRACT,
                                                         destination, kEntryLimit);
    EXPECT_LT(listed.entries.size(), kEntryLimit) << "the list pass never ends";
    EXPECT_FALSE(fs::exists(destination)) << "the list pass wrote files";

    const auto extracted = UnrarLibrary::instance().runPass(archive, RAR_OM_EXTRACT, RAR_EXTRACT,
                                                            destination, kEntryLimit);
    EXPECT_LT(extracted.entries.size(), kEntryLimit) << "the extraction pass never ends";
    EXPECT_EQ(extracted.openResult, listed.openResult);
    for (const auto& entry : extracted.entries) {
        RecordProperty(entry.fileName.empty() ? "(header)" : entry.fileName,
                       std::to_string(entry.headerResult) + "/" +
                           std::to_string(entry.processResult));
    }

    const QJsonObject reference = manifest()[QString::fromStdString(GetParam())].toObject();
    const auto expected = withoutImpliedFolders(expectedTree(reference["entries"].toObject()));
    if (reference["reference_rc"].toInt() != 0 || expected.empty()) {
        return; // the reference extractor failed too: only a clean end is required
    }
    const auto actual = withoutImpliedFolders(treeOf(destination));
    const auto limit = kDecoderLimits.find(GetParam());
    if (limit != kDecoderLimits.end()) {
        EXPECT_NE(actual, expected)
            << "now matches, drop it from the decoder limits: " << limit->second;
        return;
    }
    std::string codes;
    for (const auto& entry : extracted.entries) {
        codes += "  " + entry.fileName + ": " + std::to_string(entry.headerResult) + "/" +
                 std::to_string(entry.processResult) + "\n";
    }
    EXPECT_EQ(actual, expected) << "extracted:\n"
                                << describe(actual) << "reference:\n"
                                << describe(expected) << "results:\n"
                                << codes;
}

INSTANTIATE_TEST_SUITE_P(Libarchive, UnrarCorpus, ::testing::ValuesIn(corpusArchives()),
                         [](const auto& info) {
                             std::string name = info.param.empty() ? "Missing" : info.param;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) {
                                     c = '_';
                                 }
                             }
                             return name;
                         });
