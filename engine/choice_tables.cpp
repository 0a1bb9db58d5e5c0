#include "engine/choice_tables.h"

namespace vortelia {
namespace {

// Notation of the rows: `same` leaves a slot, `shown`/`hidden` set its visibility alone,
// `caption(..)` sets its caption alone, `shown(..)`/`hidden(..)` set both.
constexpr SlotSetting same{};
constexpr SlotSetting hidden{Visibility::Hide};
constexpr struct {
    constexpr operator SlotSetting() const { return {Visibility::Show}; }
    constexpr SlotSetting operator()(const char* text) const { return {Visibility::Show, text}; }
} shown;
constexpr SlotSetting caption(const char* text) {
    return {Visibility::Keep, text};
}

constexpr Condition always{};
constexpr Condition flag(Flag f, const char* value) {
    return {Condition::Kind::Flag, f, value};
}
constexpr Condition answer(const char* value) {
    return {Condition::Kind::Answer, Flag::B, value};
}

using enum Effect;
using F = Flag;

// clang-format off
constexpr Transition slot1[] = {
    {"Виртуальный ресторан",           always,          "text\\gt2.tf",  {hidden, caption("Назад"), hidden}, None},
    {"Назад",                          always,          "text\\gt3.tf",  {shown("Виртуальный ресторан"), shown("Подводный мир"), shown("Остров Сокровищ")}, None},
    {"Подойти к ней",                  always,          "text\\gt7.tf",  {hidden, shown("Покинуть мир"), hidden}, None},
    {"Посмотреть остальные сообщения", always,          "text\\gt10.tf", {hidden, shown("Получить данные"), shown("Закрыть")}, None},
    {"Виртуал Сити",                   always,          "text\\gt14.tf", {hidden, shown("Войти в главное меню"), hidden}, None},
    {"Виртуал банк",                   flag(F::B, "0"), "text\\gt16.tf", {shown("104|8"), shown("100|48"), shown("100|4|8")}, SetFlagB},
    {"104|8",                          always,          "text\\gt17.tf", {hidden, shown("Центр Voriva VUR Control"), shown(">Далее")}, SetFlagBC},
    {"Ресторан Vibi",                  always,          "text\\gt19.tf", {hidden, shown("Клуб Elen"), shown(">>Далее")}, None},
    {"Музей",                          always,          "text\\gt21.tf", {hidden, shown("Поднять бумажку"), shown(">>>Далее")}, None},
    {"Клиника EnemaLife",              always,          "text\\gt19.tf", {hidden, shown("Офис Melisa"), shown(">>>>Далее")}, None},
    {"Планетарий",                     flag(F::BC, "1"),"text\\gt23.tf", {shown("Ввести код карты: 8031"), shown("<<<<Назад"), hidden}, None},
    {"Планетарий",                     flag(F::BC, "0"),"text\\gt23.tf", {hidden, shown("<<<<Назад"), hidden}, None},
    {"Ввести код карты: 8031",         always,          "text\\gt24.tf", {hidden, shown("Вернуться домой"), shown(">>>>Далее")}, SetFlagC},
    {"дальше>>",                       always,          "text\\gt27.tf", {shown("Просмотреть сообщения"), hidden, hidden}, None},
    {"Прочесть сообщения",             always,          "text\\gt28.tf", {shown("Закрыть меню контролера"), hidden, hidden}, None},
    {"Просмотреть сообщения",          always,          "text\\gt29.tf", {shown("Закрыть контролер"), hidden, hidden}, None},
    {"Закрыть меню контролера",        always,          "text\\gt30.tf", {shown("Ехать"), shown("Остаться"), hidden}, None},
    {"Закрыть контролер",              always,          "text\\gt32.tf", {shown("Ехать"), shown("Остаться отдохнуть"), hidden}, None},
    {"Конец",                          always,          nullptr,         {same, same, same}, GameOver},
    {"Ехать",                          always,          "text\\gt34.tf", {shown("Отстановиться"), shown("Оторваться"), hidden}, None},
    {"Отстановиться",                  always,          "text\\gt35.tf", {shown("Конец"), hidden, hidden}, None},
    {">>>",                            always,          "text\\gt37.tf", {shown("Войти в здание"), hidden, hidden}, None},
    {"Войти в здание",                 always,          "text\\gt38.tf", {shown("1 час"), shown("11 часов"), shown("17 часов")}, None},
    {"1 час",                          always,          "text\\gt39.tf", {shown("[киберкресло]"), shown("Уйти от сюда"), hidden}, None},
    {"[киберкресло]",                  always,          "text\\gt41.tf", {shown("[HOST#46]"), shown("[HOST#35]"), shown("[HOST#478]")}, None},
    {">Назад<",                        always,          "text\\gt43.tf", {shown("[HOST#46]"), shown("[HOST#35]"), shown("[HOST#478]")}, None},
    {"[HOST#46]",                      always,          "text\\gt46.tf", {shown("14 слов"), shown("8 слов"), shown("10 слов")}, None},
    {"14 слов",                        always,          "text\\gt48.tf", {shown("Дом у дороги"), shown("Замок"), shown("Домик-башня")}, None},
    {">>Назад<<",                      always,          "text\\gt49.tf", {shown("Дом у дороги"), shown("Замок"), shown("Домик-башня")}, None},
    {"Дом у дороги",                   always,          "text\\gt51.tf", {shown("->"), hidden, hidden}, None},
    {"->",                             always,          "text\\gt52.tf", {shown("Ехать на Ивин роуч 47"), shown("Доложить о виртах"), hidden}, None},
    {"Ехать на Ивин роуч 47",          always,          "text\\gt54.tf", {shown("Нет..."), shown("Да..."), hidden}, None},
    {"Нет...",                         always,          "text\\gt56.tf", {hidden, shown("Enter parol"), hidden}, ShowAnswerBox},
};

constexpr Transition slot2[] = {
    {"Назад",                          always,          "text\\gt3.tf",  {shown("Виртуальный ресторан"), shown("Подводный мир"), shown("Остров Сокровищ")}, None},
    {"Остаться еще на полчаса",        always,          "text\\gt5.tf",  {caption("Назад"), hidden, hidden}, None},
    {"Подводный мир",                  always,          "text\\gt6.tf",  {caption("Подойти к ней"), shown("Уйти"), hidden}, None},
    {"Покинуть мир",                   always,          "text\\gt8.tf",  {hidden, shown("Ответить"), hidden}, None},
    {"Уйти",                           always,          "text\\gt8.tf",  {hidden, shown("Ответить"), hidden}, None},
    {"Ответить",                       always,          "text\\gt9.tf",  {shown("Посмотреть остальные сообщения"), shown("Получить данные"), shown("Закрыть")}, None},
    {"Получить данные",                always,          "text\\gt11.tf", {hidden, hidden, shown("Закрыть")}, None},
    {"Далее",                          always,          "text\\gt13.tf", {shown("Виртуал Сити"), hidden, hidden}, None},
    {"Войти в главное меню",           always,          "text\\gt15.tf", {shown("Виртуал банк"), shown("Центр Voriva VUR Control"), shown(">Далее")}, None},
    {"<<<<Назад",                      always,          "text\\gt15.tf", {shown("Виртуал банк"), shown("Центр Voriva VUR Control"), shown(">Далее")}, None},
    {"100|48",                         always,          "text\\gt18.tf", {hidden, shown("Центр Voriva VUR Control"), shown(">>Далее")}, None},
    {"Центр Voriva VUR Control",       always,          "text\\gt19.tf", {hidden, shown("Центр Voriva VUR Control"), shown(">>Далее")}, None},
    {"Клуб Elen",                      flag(F::C, "0"), "text\\gt20.tf", {shown("Ресторан Vibi"), hidden, shown(">>>Далее")}, None},
    {"Клуб Elen",                      flag(F::C, "1"), "text\\gt20.tf", {shown("Ресторан Vibi"), shown("Ввести код доступа: 2929"), shown(">>Далее")}, None},
    {"Поднять бумажку",                always,          "text\\gt22.tf", {shown("Музей"), hidden, shown(">>>>Далее")}, None},
    {"Парк юрского периода",           always,          "text\\gt19.tf", {hidden, shown("Парк юрского периода"), shown(">>>>Далее")}, None},
    {"Офис Melisa",                    always,          "text\\gt19.tf", {shown("Клиника EnemaLife"), hidden, shown(">>>>Далее")}, None},
    {"Ввести код доступа: 2929",       always,          "text\\gt25.tf", {shown("дальше>>"), hidden, hidden}, None},
    {"Вернуться домой",                always,          "text\\gt26.tf", {shown("Прочесть сообщения"), hidden, hidden}, None},
    {"Остаться",                       always,          "text\\gt31.tf", {shown("Ехать"), hidden, hidden}, None},
    {"Остаться отдохнуть",             always,          "text\\gt33.tf", {shown("Конец"), hidden, hidden}, None},
    {"Оторваться",                     always,          "text\\gt36.tf", {shown(">>>"), hidden, hidden}, None},
    {"11 часов",                       always,          nullptr,         {same, same, same}, GameOver},
    {"Уйти от сюда",                   always,          "text\\gt40.tf", {shown("Конец"), hidden, hidden}, None},
    {"[HOST#35]",                      always,          "text\\gt42.tf", {shown(">Назад<"), hidden, hidden}, None},
    {"Поднять",                        always,          "text\\gt45.tf", {shown("Конец"), hidden, hidden}, None},
    {"8 слов",                         always,          "text\\gt47.tf", {shown("Конец"), hidden, hidden}, None},
    {"Замок",                          always,          "text\\gt42.tf", {shown(">>Назад<<"), hidden, hidden}, None},
    {"Доложить о виртах",              always,          "text\\gt53.tf", {shown("Конец"), hidden, hidden}, None},
    {"Да...",                          always,          "text\\gt55.tf", {shown("Конец"), hidden, hidden}, None},
    {"Enter parol",                    answer("qz"),    "text\\gt57.tf", {hidden, shown("Конец"), hidden}, None},
    {"Enter parol",                    answer("mirt"),  nullptr,         {same, same, same}, Console},
    {"Конец",                          always,          nullptr,         {same, same, same}, GameOver},
};

constexpr Transition slot3[] = {
    {"Остров Сокровищ",                always,          "text\\gt4.tf",  {caption("Назад"), caption("Остаться еще на полчаса"), hidden}, None},
    {"Закрыть",                        always,          "text\\gt12.tf", {hidden, shown("Далее"), hidden}, None},
    {">Далее",                         always,          "text\\gt15.tf", {shown("Ресторан Vibi"), shown("Клуб Elen"), shown(">>Далее")}, None},
    {">>Далее",                        always,          "text\\gt15.tf", {shown("Музей"), shown("Парк юрского периода"), shown(">>>Далее")}, None},
    {">>>Далее",                       always,          "text\\gt15.tf", {shown("Клиника EnemaLife"), shown("Офис Melisa"), shown(">>>>Далее")}, None},
    {">>>>Далее",                      always,          "text\\gt15.tf", {shown("Планетарий"), shown("<<<<Назад"), hidden}, None},
    {"100|4|8",                        always,          "text\\gt18.tf", {hidden, shown("Центр Voriva VUR Control"), shown(">Далее")}, None},
    {"17 часов",                       always,          nullptr,         {same, same, same}, GameOver},
    {"[HOST#478]",                     always,          "text\\gt44.tf", {shown(">Назад<"), shown("Поднять"), hidden}, None},
    {"10 слов",                        always,          "text\\gt47.tf", {shown("Конец"), hidden, hidden}, None},
    {"Домик-башня",                    always,          "text\\gt50.tf", {shown("Конец"), hidden, hidden}, None},
};

constexpr Transition opening =
    {nullptr,                          always,          "text\\gt1.tf",  {shown("Виртуальный ресторан"), shown("Подводный мир"), shown("Остров Сокровищ")}, None};
constexpr Transition f8 =
    {nullptr,                          always,          "text\\gt57.tf", {shown("Конец"), hidden, hidden}, None};
constexpr Transition consoleKey =
    {nullptr,                          always,          nullptr,         {same, same, same}, Console};
// clang-format on

constexpr Flag slot1Reloads[] = {Flag::C, Flag::B, Flag::BC};
constexpr Flag slot2Reloads[] = {Flag::C};

const ChoiceTable tables[3] = {
    {slot1, slot1Reloads},
    {slot2, slot2Reloads},
    {slot3, {}},
};

} // namespace

const ChoiceTable& choiceTable(int slot) {
    return tables[slot];
}

const Transition& openingTransition() {
    return opening;
}

const Transition& f8Transition() {
    return f8;
}

const Transition& consoleKeyTransition() {
    return consoleKey;
}

} // namespace vortelia
