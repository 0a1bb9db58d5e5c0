#include "console/command_table.h"

#include "console/catalogue.h"

namespace vortelia {

namespace {

using namespace catalogue;

constexpr Command rows[] = {
    {u"", u">error: command is not incorporated", u"", 0, false},
    {u"help",
     u">command^help\r\n"
     u"command^[command]<[parameter] - syntax to consoles\r"
     u"vie<[cat] - list catalogue\r"
     u"vie<[diec/name_catalogue] - list files\r"
     u"diec<[name_file] - open file\r"
     u"end<[consol] - close & exit",
     u"", 0, false},
    {u"command^vie<cat", u">[Boroda_LNC]\r>[Quennic]\r>[System]\r>[Vortelia]\r>[Test_world]", u"", 0, false},
    {u"command^vie<diec/Quennic", u">-|my_foto.see]\r>-|site.world]\r>-|diary_book.rea]\r>-|diary_book2.rea]",
     u"", 0, false},
    {u"command^vie<diec/Vortelia",
     u">-|report_3.rea]\r>-|protocol_time.gfi]\r>-|protocol_universe.gfi]\r>-|foto_stranger.see]", u"", 0,
     false},
    {u"command^vie<diec/Test_world", u">-|Vortelia.world]\r>-|Vortelia#tmp_old.world]\r>-|temp.fil]", u"", 0,
     false},
    {u"command^vie<diec/System", u">-|kill_system.dea]", u"", 0, false},
    {u"command^vie<diec/Boroda_LNC", u">-|money.vip]\r>-|corp.vip]\r>-|foto_command.see]", u"", 0, false},
    {u"command^diec<money.vip", u">error: file locked\r", u"", 0, false},
    {u"command^diec<corp.vip", u">file open\r", corpVip, 0, false},
    {u"command^diec<foto_command.see", u">file open\r", fotoCommandSee, 0, false},
    {u"command^diec<my_foto.see", u">file open\r", myFotoSee, 3, false},
    {u"command^diec<site.world", u">file open\r", siteWorld, 0, false},
    {u"command^diec<kill_system.dea", u">error: You want to destroy the system, You in its wit?\r", u"", 0,
     false},
    {u"command^diec<report_3.rea", u">file open\r", report3, 0, false},
    {u"command^diec<protocol_universe.gfi", u">file open\r", protocolUniverse, 1, false},
    {u"command^diec<protocol_time.gfi", u">file open\r", protocolTime, 2, false},
    {u"command^diec<foto_stranger.see", u">file open\r", fotoStranger, 4, false},
    {u"command^diec<Vortelia.world", u">file open\r", vorteliaWorld, 0, false},
    {u"command^diec<Vortelia#tmp_old.world", u">file open\r", vorteliaTmpOldWorld, 0, false},
    {u"command^diec<diary_book.rea", u">file open\r", diaryBook, 0, false},
    {u"command^diec<diary_book2.rea", u">file open\r", diaryBook2, 0, false},
    {u"command^end<consol", u">file open\r", u"Good By!", 0, true},
};

} // namespace

constinit const std::span<const Command> commandTable{rows};

const Command* findCommand(QStringView input) {
    for (const Command& command : commandTable) {
        if (input == QStringView(command.input))
            return &command;
    }
    return nullptr;
}

} // namespace vortelia
