// The console's interpreter against its whole command table, and the documents of its catalogue.

#include "console/command_table.h"
#include "console/console.h"
#include "platform/windows1251.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace vortelia;

namespace {

// How a document is checked: written out in full, or by its shape where its wording is ours.
enum class Shape { Exact, Noise, Site, Diary, Diary2, Report };

struct Case {
    const char* input;
    const char* reply; // what follows ">_" CR LF in the log
    const char* document;
    Shape shape;
    int picture;
    bool ends;
};

const char* const opened = ">file open\r";

const Case cases[] = {
    {"", ">error: command is not incorporated", "", Shape::Exact, 0, false},
    {"help",
     ">command^help\r\ncommand^[command]<[parameter] - syntax to consoles\rvie<[cat] - list catalogue\r"
     "vie<[diec/name_catalogue] - list files\rdiec<[name_file] - open file\rend<[consol] - close & exit",
     "", Shape::Exact, 0, false},
    {"command^vie<cat", ">[Boroda_LNC]\r>[Quennic]\r>[System]\r>[Vortelia]\r>[Test_world]", "", Shape::Exact,
     0, false},
    {"command^vie<diec/Quennic", ">-|my_foto.see]\r>-|site.world]\r>-|diary_book.rea]\r>-|diary_book2.rea]",
     "", Shape::Exact, 0, false},
    {"command^vie<diec/Vortelia",
     ">-|report_3.rea]\r>-|protocol_time.gfi]\r>-|protocol_universe.gfi]\r>-|foto_stranger.see]", "",
     Shape::Exact, 0, false},
    {"command^vie<diec/Test_world", ">-|Vortelia.world]\r>-|Vortelia#tmp_old.world]\r>-|temp.fil]", "",
     Shape::Exact, 0, false},
    {"command^vie<diec/System", ">-|kill_system.dea]", "", Shape::Exact, 0, false},
    {"command^vie<diec/Boroda_LNC", ">-|money.vip]\r>-|corp.vip]\r>-|foto_command.see]", "", Shape::Exact, 0,
     false},
    {"command^diec<money.vip", ">error: file locked\r", "", Shape::Exact, 0, false},
    {"command^diec<corp.vip", opened,
     "Инструкция№43: Исследовательский центр по связи с иными мирами «Vortelia»:\r\n"
     "-провести исследование по связи с «иными»\r\n-установить телепатическую связь\r\n"
     "-за декларировать полученную информацию\r\n-доставить ее в центр Boroda NCL \r\n"
     "P.S.: назначить старшим научным сотрудником Квенника....",
     Shape::Exact, 0, false},
    {"command^diec<foto_command.see", opened, nullptr, Shape::Noise, 0, false},
    {"command^diec<my_foto.see", opened, "Commentary to file: это типо я...", Shape::Exact, 3, false},
    {"command^diec<site.world", opened, nullptr, Shape::Site, 0, false},
    {"command^diec<kill_system.dea", ">error: You want to destroy the system, You in its wit?\r", "",
     Shape::Exact, 0, false},
    {"command^diec<report_3.rea", opened, nullptr, Shape::Report, 0, false},
    {"command^diec<protocol_universe.gfi", opened,
     "Протокол №23: телепатический контакт с «иными»\r\nCommentary to INFO: эволюционная структура Вселенной",
     Shape::Exact, 1, false},
    {"command^diec<protocol_time.gfi", opened,
     "Протокол №478: телепатический контакт с «иными»\r\nCommentary to INFO: уравнение временных "
     "преобразований",
     Shape::Exact, 2, false},
    {"command^diec<foto_stranger.see", opened, "Commentary to file: представитель иных...", Shape::Exact, 4,
     false},
    {"command^diec<Vortelia.world", opened,
     "error: file already open. Presently you are found in world it initialized!", Shape::Exact, 0, false},
    {"command^diec<Vortelia#tmp_old.world", opened, "error: file can be not initialized!", Shape::Exact, 0,
     false},
    {"command^diec<diary_book.rea", opened, nullptr, Shape::Diary, 0, false},
    {"command^diec<diary_book2.rea", opened, nullptr, Shape::Diary2, 0, false},
    {"command^end<consol", opened, "Good By!", Shape::Exact, 0, true},
};

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

// Four lines of 52, 36, 76 and 46 characters between LFs, mixing scripts and raw control bytes,
// all of them in the game's code page.
void expectNoise(const QString& block) {
    const QStringList lines = block.split(u'\n');
    ASSERT_EQ(lines.size(), 4) << block.toStdString();
    const qsizetype lengths[] = {52, 36, 76, 46};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(lines[i].size(), lengths[i]) << "line " << i + 1;
    EXPECT_FALSE(block.contains(u'\r'));
    bool cyrillic = false, latin = false, digit = false, control = false, punctuation = false;
    for (QChar c : block) {
        cyrillic |= c.script() == QChar::Script_Cyrillic;
        latin |= (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        digit |= c.isDigit();
        control |= c == u'\x01' || c == u'\x07' || c == u'\x1b';
        punctuation |= c.isPunct();
    }
    EXPECT_TRUE(cyrillic && latin && digit && control && punctuation);
    bool encodable = false;
    encodeWindows1251(block, &encodable);
    EXPECT_TRUE(encodable);
}

void expectSite(const QString& text) {
    const qsizetype blank = text.lastIndexOf(u' ');
    ASSERT_GT(blank, 0);
    const QString address = text.sliced(blank + 1);
    EXPECT_TRUE(address.startsWith(QStringLiteral("http://www.site.world/vortelia/")))
        << address.toStdString();
    expectNoise(text.first(blank));
}

// Entries separated by CR, each one line with its label and ending.
void expectEntries(const QString& text, const std::vector<std::pair<const char*, const char*>>& entries) {
    const QStringList lines = text.split(u'\r');
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        const QString& line = lines[static_cast<qsizetype>(i)];
        EXPECT_TRUE(line.startsWith(u8(entries[i].first))) << line.toStdString();
        EXPECT_TRUE(line.endsWith(u8(entries[i].second))) << line.toStdString();
        EXPECT_GT(line.size(), u8(entries[i].first).size() + 20) << "an entry says something";
        EXPECT_FALSE(line.contains(u'\n'));
    }
}

void expectReport(const QString& text) {
    ASSERT_TRUE(text.count(QStringLiteral("\r\n")) == 2 && text.count(u'\r') == 2) << text.toStdString();
    const qsizetype first = text.indexOf(QStringLiteral("\r\n"));
    const qsizetype second = text.indexOf(QStringLiteral("\r\n"), first + 2);
    EXPECT_EQ(text.first(first),
              u8("Отчет протокола эксперимента по вступлению в контакт с «иными» при помощи "
                 "<данные повреждены>...йствия на мозг:"));
    EXPECT_EQ(text.sliced(first + 2, second - first - 2), u8("...<данные повреждены>..."));
    const QStringList rest = text.sliced(second + 2).split(u'\n');
    ASSERT_EQ(rest.size(), 8);
    EXPECT_EQ(rest[0], u8("10^14: тишина..."));
    EXPECT_EQ(rest[1], u8("10^26: слышу некий голос..."));
    EXPECT_TRUE(rest[2].startsWith(QStringLiteral("10^27: ")) && rest[2].contains(u8("Осирис")))
        << rest[2].toStdString();
    EXPECT_TRUE(rest[3].startsWith(QStringLiteral("10^29: ")) && rest[3].contains(u8("Высш")))
        << rest[3].toStdString();
    EXPECT_EQ(rest[4], u8("10^31: тишина..."));
    EXPECT_EQ(rest[5], u8("10^38: опять слышу голос"));
    EXPECT_EQ(rest[6], u8("10^47: эволюции человека - всего десять этапов"));
    EXPECT_EQ(rest[7], u8("...<данные данные зашифрованы>... "));
}

void expectDocument(const Case& c, const QString& document) {
    switch (c.shape) {
    case Shape::Exact:
        EXPECT_EQ(document, u8(c.document));
        return;
    case Shape::Noise:
        return expectNoise(document);
    case Shape::Site:
        return expectSite(document);
    case Shape::Diary:
        return expectEntries(
            document,
            {{"Запись№32654jfs6: ", "."}, {"Запись№32655jfs6: ", "... "}, {"Запись№32656jfs6: ", "."}});
    case Shape::Diary2:
        return expectEntries(document, {{"Запись№32657jfs6: ", "- [данные зашифрованы]"},
                                        {"Запись№326207jfs6: ", "- [данные зашифрованы]"}});
    case Shape::Report:
        return expectReport(document);
    }
}

TEST(CommandTable, EveryCommandAppendsItsReplyAndShowsItsDocumentAndPicture) {
    ASSERT_EQ(commandTable.size(), std::size(cases));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        Console console;
        EXPECT_EQ(console.run(u8(c.input)), c.ends);
        EXPECT_EQ(console.log(), QStringLiteral(">_\r\n") + u8(c.reply));
        expectDocument(c, console.document());
        EXPECT_EQ(console.picture(), c.picture);
    }
}

TEST(CommandTable, DocumentsEndWithoutALineBreakAndFitTheCodePage) {
    for (const Command& command : commandTable) {
        const QString document = QString::fromUtf16(command.document);
        SCOPED_TRACE(QString::fromUtf16(command.input).toStdString());
        EXPECT_FALSE(document.endsWith(u'\r') || document.endsWith(u'\n'));
        bool encodable = false;
        encodeWindows1251(document, &encodable);
        EXPECT_TRUE(encodable);
    }
}

TEST(CommandTable, SiteWorldRepeatsTheNoiseOfTheCommandsPhotograph) {
    Console console;
    console.run(QStringLiteral("command^diec<foto_command.see"));
    const QString noise = console.document();
    console.run(QStringLiteral("command^diec<site.world"));
    EXPECT_TRUE(console.document().startsWith(noise + u' '));
    EXPECT_FALSE(console.document().sliced(noise.size() + 1).contains(u' '));
}

TEST(CommandTable, LookupIsExactWholeStringAndFirstMatch) {
    EXPECT_EQ(findCommand(u"help"), &commandTable[1]);
    EXPECT_EQ(findCommand(u""), &commandTable[0]);
    EXPECT_EQ(findCommand(u"command^end<consol"), &commandTable.back());
    for (const char16_t* text :
         {u"Help", u"help ", u" help", u"hel", u"command^help", u"command^end<consol\r"})
        EXPECT_EQ(findCommand(text), nullptr) << QString::fromUtf16(text).toStdString();
}

TEST(ConsoleRun, TextsNearACommandChangeNothing) {
    const char* const near[] = {"HELP",
                                "Help",
                                " help",
                                "help ",
                                "command^help",
                                "command^diec<temp.fil",
                                "command^diec<Corp.vip",
                                "command^vie<diec/quennic",
                                "command^diec<corp.vip ",
                                "command^end<consol\n"};
    for (const char* text : near) {
        SCOPED_TRACE(text);
        Console console;
        console.run(QStringLiteral("command^diec<my_foto.see"));
        const QString log = console.log();
        EXPECT_FALSE(console.run(u8(text)));
        EXPECT_EQ(console.log(), log);
        EXPECT_EQ(console.document(), u8("Commentary to file: это типо я..."));
        EXPECT_EQ(console.picture(), 3);
    }
}

TEST(ConsoleRun, TheSameCommandTwiceAppendsItsReplyTwice) {
    Console console;
    console.run(QStringLiteral("command^diec<money.vip"));
    console.run(QStringLiteral("command^diec<money.vip"));
    EXPECT_EQ(console.log(), QStringLiteral(">_\r\n>error: file locked\r\r\n>error: file locked\r"));
    console.run(QStringLiteral("command^vie<diec/System"));
    EXPECT_EQ(console.log(), QStringLiteral(">_\r\n>error: file locked\r\r\n>error: file locked\r\r\n"
                                            ">-|kill_system.dea]"));
}

TEST(ConsoleRun, ClearLeavesExactlyThePromptAndKeepsDocumentAndPicture) {
    Console console;
    EXPECT_EQ(console.log(), QStringLiteral(">_"));
    console.run(QStringLiteral("command^diec<protocol_time.gfi"));
    console.clear();
    EXPECT_EQ(console.log(), QStringLiteral(">_"));
    EXPECT_TRUE(console.document().startsWith(u8("Протокол №478")));
    EXPECT_EQ(console.picture(), 2);
    console.run(QString());
    EXPECT_EQ(console.log(), QStringLiteral(">_\r\n>error: command is not incorporated"));
}

TEST(ConsoleRun, AListingAfterADocumentEmptiesThePaneAndHidesThePicture) {
    Console console;
    console.run(QStringLiteral("command^diec<protocol_universe.gfi"));
    ASSERT_EQ(console.picture(), 1);
    console.run(QStringLiteral("command^vie<cat"));
    EXPECT_EQ(console.document(), QString());
    EXPECT_EQ(console.picture(), 0);
}

TEST(ConsoleRun, OnlyTheLastDocumentsPictureIsShown) {
    Console console;
    console.run(QStringLiteral("command^diec<my_foto.see"));
    console.run(QStringLiteral("command^diec<foto_stranger.see"));
    EXPECT_EQ(console.picture(), 4);
    EXPECT_EQ(console.document(), u8("Commentary to file: представитель иных..."));
    console.run(QStringLiteral("command^diec<kill_system.dea"));
    EXPECT_EQ(console.picture(), 0);
    EXPECT_EQ(console.document(), QString());
}

} // namespace
