#pragma once
// The documents of the console's catalogue, as the document pane shows them. None ends with a
// line break.

namespace vortelia::catalogue {

extern const char16_t corpVip[];
extern const char16_t fotoCommandSee[]; // the noise block: a picture file's raw bytes as text
extern const char16_t myFotoSee[];
extern const char16_t siteWorld[]; // the noise block and the web address
extern const char16_t diaryBook[];
extern const char16_t diaryBook2[];
extern const char16_t report3[];
extern const char16_t protocolUniverse[];
extern const char16_t protocolTime[];
extern const char16_t fotoStranger[];
extern const char16_t vorteliaWorld[];
extern const char16_t vorteliaTmpOldWorld[];

} // namespace vortelia::catalogue
