// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Staff names in Latin letters, for the windows in languages that do not write
// Cyrillic: Кузнецова Ирина Сергеевна -> Kuznetsova Irina Sergeevna.
#include <string>

namespace kelpmark {

// Writes each Cyrillic word of a name in Latin letters, keeping its capital and
// the name's order; anything else (spaces, Latin letters, digits) stays as it is.
// The letters follow a common English romanisation (х kh, ц ts, щ shch, ь and ъ
// dropped) with the readings an English reader expects: е is "ye" at the start
// of a word and after ь or ъ, a final ий or ый is "y", a final ия "ia", ё "yo"
// ("o" after ж, ч, ш, щ), and the stems Семен and Федор are read with ё.
std::string latinName(const std::string& russian);

}  // namespace kelpmark
