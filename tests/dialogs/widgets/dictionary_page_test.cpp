// The Dictionary page driven through its widgets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/attribute.h"
#include "dialogs/param_dlg_dict.h"
#include "widget_test_support.h"

namespace {

class DictionaryPageTest : public ScratchDirTest {
protected:
    // A page over `path`, with its window made.
    std::unique_ptr<SParamDlgDict> PageOn(const std::string& path) {
        settings_.extDict = path;
        settings_.workDir = dir_.string() + "/";
        auto page = std::make_unique<SParamDlgDict>(settings_, &speaker_);
        page->EnsureCreated();
        return page;
    }
    static QStringList Keys(SParamDlgDict& page) {
        QStringList keys;
        auto* combo = page.ControlAs<QComboBox>(SParamDlgDict::kKeyComboId);
        for (int i = 0; i < combo->count(); ++i) keys << combo->itemText(i);
        return keys;
    }
    static void Type(SParamDlgDict& page, const char* key, const char* replacement) {
        page.ControlAs<QComboBox>(SParamDlgDict::kKeyComboId)->setEditText(QString::fromUtf8(key));
        page.ControlAs<QLineEdit>(SParamDlgDict::kReplacementId)
            ->setText(QString::fromUtf8(replacement));
    }

    SAttribute settings_;
    SRecordingSpeaker speaker_;
};

TEST_F(DictionaryPageTest, ReadsTheFileIntoASortedList) {
    const std::string file = PathOf("client.exp");
    Spit(file, "zl z\xB3otych\nabc  def ghi\n indented x\n\nkg\tkilogram\xF3w\r\n");
    auto page = PageOn(file);
    EXPECT_EQ(Keys(*page), (QStringList{"abc", "kg", "zl"}));
    auto* combo = page->ControlAs<QComboBox>(SParamDlgDict::kKeyComboId);
    auto* replacement = page->ControlAs<QLineEdit>(SParamDlgDict::kReplacementId);
    EXPECT_EQ(replacement->text(), QStringLiteral("def ghi"));
    combo->setCurrentIndex(2);
    EXPECT_EQ(replacement->text(), QString::fromUtf8("złotych"));
    EXPECT_TRUE(page->Control(SParamDlgDict::kUseDictId)->isEnabled());
    EXPECT_TRUE(page->Control(SParamDlgDict::kAddId)->isEnabled());
    EXPECT_TRUE(page->ControlAs<QLineEdit>(SParamDlgDict::kPathId)->isReadOnly());
    EXPECT_EQ(page->ControlAs<QCheckBox>(SParamDlgDict::kUseDictId)->text(),
              QString::fromUtf8("&Skoryguj wypowiedź według poniższego słownika:"));
}

TEST_F(DictionaryPageTest, EmptyPathKeepsTheCheckBoxDisabled) {
    auto page = PageOn("");
    EXPECT_FALSE(page->Control(SParamDlgDict::kUseDictId)->isEnabled());
    EXPECT_TRUE(Keys(*page).isEmpty());
    Type(*page, "abc", "def");
    page->OnAdd();
    page->OnOK();  // nowhere to write
    EXPECT_EQ(settings_.extDict, "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                            std::filesystem::directory_iterator()),
              0);
}

TEST_F(DictionaryPageTest, AddRemoveAndOkWriteTheFileInKeyOrder) {
    const std::string file = PathOf("client.exp");
    Spit(file, "kg kilogram\xF3w\n");
    auto page = PageOn(file);
    Type(*page, "dr.", "doktor");
    page->OnAdd();
    Type(*page, "zl", "złotych");
    page->OnAdd();
    Type(*page, "kg", "kilogramy");  // replaces
    page->OnAdd();
    Type(*page, "", "nic");  // no key, nothing added
    page->OnAdd();
    EXPECT_EQ(Keys(*page), (QStringList{"dr.", "kg", "zl"}));
    page->ControlAs<QComboBox>(SParamDlgDict::kKeyComboId)->setCurrentIndex(0);
    page->OnRemove();
    EXPECT_EQ(Keys(*page), (QStringList{"kg", "zl"}));
    page->ControlAs<QCheckBox>(SParamDlgDict::kUseDictId)->setChecked(false);
    page->OnOK();
    EXPECT_EQ(Slurp(file), "kg\t\tkilogramy\nzl\t\tz\xB3otych\n");
    EXPECT_FALSE(settings_.useExtDict);
    EXPECT_EQ(settings_.extDict, file);
}

TEST_F(DictionaryPageTest, TestSpeaksTheReplacement) {
    auto page = PageOn("");
    Type(*page, "x", "gęś");
    page->ControlAs<QPushButton>(SParamDlgDict::kTestButtonId)->click();
    ASSERT_EQ(speaker_.spoken.size(), 1u);
    EXPECT_EQ(speaker_.spoken[0], "g\xEA\x9C");
}

TEST_F(DictionaryPageTest, UnreadableDictionaryIsLeftUntouched) {
    const std::string file = PathOf("client.exp");
    std::filesystem::create_directories(file);  // exists, cannot be read as a file
    Spit(file + "/keep", "mine");
    auto page = PageOn(file);
    EXPECT_FALSE(page->Control(SParamDlgDict::kAddId)->isEnabled());
    Type(*page, "abc", "def");
    page->OnAdd();
    page->OnOK();
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(Slurp(file + "/keep"), "mine");
}

TEST_F(DictionaryPageTest, BrowseChecksTheFileAndShowsItsEntries) {
    const std::string first = PathOf("first.exp"), second = PathOf("second.exp");
    Spit(first, "abc a\n");
    Spit(second, "xyz x\n");
    auto page = PageOn(first);
    QString askedDirectory, askedFilter;
    page->SetFileChooser([&](QWidget*, const QString& directory, const QString& filter) {
        askedDirectory = directory;
        askedFilter = filter;
        return QString::fromStdString(second);
    });
    page->SetDictionaryCheck([](const std::string&) { return true; });
    page->OnBrowse();
    EXPECT_EQ(askedDirectory.toStdString(), dir_.string() + "/");
    EXPECT_EQ(askedFilter, QString::fromUtf8("Słownik (*.exp);;Wszystkie pliki (*.*)"));
    EXPECT_EQ(page->ControlAs<QLineEdit>(SParamDlgDict::kPathId)->text().toStdString(), second);
    EXPECT_EQ(Keys(*page), QStringList{"xyz"});
    page->OnOK();
    EXPECT_EQ(Slurp(first), "abc a\n");  // the first dictionary keeps its entries
    EXPECT_EQ(Slurp(second), "xyz\t\tx\n");
}

TEST_F(DictionaryPageTest, RejectedFileEmptiesThePath) {
    const std::string file = PathOf("client.exp");
    Spit(file, "abc a\n");
    auto page = PageOn(file);
    page->SetFileChooser(
        [](QWidget*, const QString&, const QString&) { return QStringLiteral("/nowhere.exp"); });
    page->SetDictionaryCheck([](const std::string&) { return false; });
    page->OnBrowse();
    EXPECT_EQ(page->Path(), "");
    EXPECT_FALSE(page->Control(SParamDlgDict::kUseDictId)->isEnabled());
    // Cancelling the file dialog changes nothing.
    auto other = PageOn(file);
    other->SetFileChooser([](QWidget*, const QString&, const QString&) { return QString(); });
    other->OnBrowse();
    EXPECT_EQ(other->Path(), file);
}

TEST_F(DictionaryPageTest, BrowseStartsInTheWorkingDirectoryWithoutADirectory) {
    auto page = PageOn("client.exp");
    QString askedDirectory;
    page->SetFileChooser([&](QWidget*, const QString& directory, const QString&) {
        askedDirectory = directory;
        return QString();
    });
    page->OnBrowse();
    EXPECT_EQ(askedDirectory.toStdString(), settings_.workDir);
}

}  // namespace
