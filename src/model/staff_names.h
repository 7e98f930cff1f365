// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Russian full names for new employees.
#include <string>

namespace kelpmark {

class Random;

// Profession codes of the name generator.
enum StaffNameCode { kLoaderCode = 1, kManagerCode = 2, kSalesmanCode = 3, kAccountantCode = 4 };

// The first-name list: 0..39 male, 40..79 female; "" outside 0..79.
std::string FirstName(int index);

// A surname, a first name and a patronymic. Draws, in order: the sex (for codes
// 1..8), the surname, the first name, the father's name.
std::string MakeStaffName(int code, Random& random);

}  // namespace kelpmark
