#include "console/catalogue.h"

namespace vortelia::catalogue {

// A photograph's bytes printed as text; site.world repeats it before its address.
#define VORTELIA_NOISE_BLOCK                                                                                                             \
    u"Ud™\0336П0 ЎхЎdЌдµ}~s4 м№0)ve45hл ъH}У 8ґ®}“.ЬВ\033 ҐOHхr(\n"                                               \
    u"CHq™xЉиY§9е 6°Лр |6ЏЦ)EпbЙЋБ 6АCь \033^\n"                                                                        \
    u"цхк–(\007yЕеФy 36Л8 №тцСцН ћ™В7рБ' 5|U0С’Щ\007аГ& Э‹¦0 3M4et5YY_ \0018™тs;Z тT…;V‚ ю¬\n" \
    u"ЃЊ}ж)Ё2чосt МБ3\033dъ фґЖц Q=ClууP$37 sДЄ:_шо7 \0014"

extern const char16_t corpVip[] =
    u"Инструкция№43: Исследовательский центр по связи с иными мирами «Vortelia»:\r\n"
    u"-провести исследование по связи с «иными»\r\n"
    u"-установить телепатическую связь\r\n"
    u"-за декларировать полученную информацию\r\n"
    u"-доставить ее в центр Boroda NCL \r\n"
    u"P.S.: назначить старшим научным сотрудником Квенника....";

extern const char16_t fotoCommandSee[] = VORTELIA_NOISE_BLOCK;

extern const char16_t myFotoSee[] = u"Commentary to file: это типо я...";

extern const char16_t siteWorld[] = VORTELIA_NOISE_BLOCK u" http://www.site.world/vortelia/quennic/index.htm";

#undef VORTELIA_NOISE_BLOCK

extern const char16_t diaryBook[] =
    u"Запись№32654jfs6: Сегодня были проведены опыты по вступлению в контакт с «иными», "
    u"по-видимому, все прошло без происшествий.\r"
    u"Запись№32655jfs6: Во время сегодняшнего контакта с «иными» бесследно исчезли двое "
    u"сотрудников лаборатории... \r"
    u"Запись№32656jfs6: Руководство Boroda NCL распорядилось провести полную проверку. "
    u"Проект альтернативного устройства для связи с «иными» вступил в завершающую фазу.";

extern const char16_t diaryBook2[] =
    u"Запись№32657jfs6: Давно не делал записей. <сообщение для>|Ник Сину|< -> Привет, Ник! "
    u"Как и обещал, высылаю тебе идею устройства - [данные зашифрованы]\r"
    u"Запись№326207jfs6: Получены первые образцы защитного слоя «Olade». Это простое соединение "
    u"надежно защищает от электрического, радио- и торсионно-активного излучения и пригодится "
    u"для работы с системой Vortelia: никто не знает, какие излучения поджидают нас в «иных» "
    u"мирах - [данные зашифрованы]";

extern const char16_t report3[] =
    u"Отчет протокола эксперимента по вступлению в контакт с «иными» при помощи "
    u"<данные повреждены>...йствия на мозг:\r\n"
    u"...<данные повреждены>...\r\n"
    u"10^14: тишина...\n"
    u"10^26: слышу некий голос...\n"
    u"10^27: голос говорит, что метеорит - живое существо из системы Осириса, координаты: "
    u"третья планета, азимут 212.47, 38-0416-7729-51...\n"
    u"10^29: голос говорит, что жизнь на Земле возникла благодаря Высшему Разуму из системы "
    u"Осириса...\n"
    u"10^31: тишина...\n"
    u"10^38: опять слышу голос\n"
    u"10^47: эволюции человека - всего десять этапов\n"
    u"...<данные данные зашифрованы>... ";

extern const char16_t protocolUniverse[] = u"Протокол №23: телепатический контакт с «иными»\r\n"
                                           u"Commentary to INFO: эволюционная структура Вселенной";

extern const char16_t protocolTime[] = u"Протокол №478: телепатический контакт с «иными»\r\n"
                                       u"Commentary to INFO: уравнение временных преобразований";

extern const char16_t fotoStranger[] = u"Commentary to file: представитель иных...";

extern const char16_t vorteliaWorld[] =
    u"error: file already open. Presently you are found in world it initialized!";

extern const char16_t vorteliaTmpOldWorld[] = u"error: file can be not initialized!";

} // namespace vortelia::catalogue
