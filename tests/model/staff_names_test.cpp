// SPDX-License-Identifier: GPL-3.0-or-later
// Staff names: sex by profession code, surname, first name and a patronymic formed
// from the father's name. Expected names are built from the name tables and the
// patronymics worked out by hand, with the draws predicted from the generator's rule.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "model/random.h"
#include "model/random_sequence.h"
#include "model/latin_names.h"
#include "model/staff_names.h"

using kelpmark::FirstName;
using kelpmark::MakeStaffName;
using kelpmark::Random;

namespace {

const std::array<const char*, 80> kFirstNames = {
    "Антон", "Ян", "Алексей", "Александр", "Анатолий", "Борис", "Виталий", "Владимир",
    "Вячислав", "Владислав", "Валерий", "Геннадий", "Дмитрий", "Данила", "Егор", "Евгений",
    "Захар", "Игорь", "Иван", "Константин", "Леонид", "Макар", "Николай", "Олег",
    "Павел", "Ростислав", "Руслан", "Сергей", "Святослав", "Семен", "Трофим", "Федор",
    "Харитон", "Юлиан", "Яков", "Апполинарий", "Поликарп", "Полиграф", "Святогор", "Афанасий",
    "Виктория", "Валерия", "Василиса", "Галина", "Гюльчатай", "Дарья", "Евгения", "Екатерина",
    "Ефросинья", "Жозефина", "Жанна", "Зинаида", "Ирина", "Инна", "Клавдия", "Лариса",
    "Марина", "Мария", "Маргарита", "Нина", "Наталья", "Оксана", "Светлана", "Софья",
    "Татьяна", "Тамара", "Феодосья", "Фекла", "Электростанция", "Юлия",
    "Ульяна", "Анастасия", "Анна", "Анжела", "Ангелина", "Нина", "Марта", "Капиталина",
    "Розарья", "Александра"};

const std::array<const char*, 70> kSurnames = {
    "Иванов", "Ивашов", "Петров", "Мягков", "Семенов", "Белокуров", "Сидоров", "Захаров",
    "Кузнецов", "Круглов", "Федоров", "Сергеев", "Золотов", "Сорокин", "Воронин", "Воронов",
    "Копытов", "Зайцев", "Кроликов", "Абрамов", "Киселев", "Беляев", "Ковалев", "Каратаев",
    "Галкин", "Воробьев", "Орлов", "Соколов", "Брондуков", "Голубев", "Петухов", "Рябчиков",
    "Виноградов", "Медведев", "Табаков", "Волков", "Казаков", "Хохлов", "Новиков",
    "Кривоногов", "Деревянкин", "Козлов", "Баранов", "Овчинников", "Белов", "Королев",
    "Смирнов", "Пантелеев", "Толстов", "Карасев", "Зуев", "Попов", "Пашков", "Мешков",
    "Огурцов", "Редькин", "Свекольников", "Кабачков", "Морозов", "Рябинин", "Ковалько",
    "Ященко", "Шапиро", "Рабинович", "Абрамович", "Полянский", "Деревянский", "Молодецкий",
    "Вольский", "Волынский"};

// Patronymics of the 40 fathers' names, worked out by hand: a final "й" is dropped
// and "евич"/"евна" added (a man's "и" before it becomes "ь", except in Дмитрий);
// otherwise "ович"/"овна"; then the fixed exceptions for Игорь, Павел, Данила, Яков.
struct Patronymic {
  const char* man;
  const char* woman;
};
const std::array<Patronymic, 40> kPatronymics = {{
    {"Антонович", "Антоновна"},           {"Янович", "Яновна"},
    {"Алексеевич", "Алексеевна"},         {"Александрович", "Александровна"},
    {"Анатольевич", "Анатолиевна"},       {"Борисович", "Борисовна"},
    {"Витальевич", "Виталиевна"},         {"Владимирович", "Владимировна"},
    {"Вячиславович", "Вячиславовна"},     {"Владиславович", "Владиславовна"},
    {"Валерьевич", "Валериевна"},         {"Геннадьевич", "Геннадиевна"},
    {"Дмитриевич", "Дмитриевна"},         {"Данилович", "Даниловна"},
    {"Егорович", "Егоровна"},             {"Евгеньевич", "Евгениевна"},
    {"Захарович", "Захаровна"},           {"Игоревич", "Игоревна"},
    {"Иванович", "Ивановна"},             {"Константинович", "Константиновна"},
    {"Леонидович", "Леонидовна"},         {"Макарович", "Макаровна"},
    {"Николаевич", "Николаевна"},         {"Олегович", "Олеговна"},
    {"Павлович", "Павловна"},             {"Ростиславович", "Ростиславовна"},
    {"Русланович", "Руслановна"},         {"Сергеевич", "Сергеевна"},
    {"Святославович", "Святославовна"},   {"Семенович", "Семеновна"},
    {"Трофимович", "Трофимовна"},         {"Федорович", "Федоровна"},
    {"Харитонович", "Харитоновна"},       {"Юлианович", "Юлиановна"},
    {"Яковлевич", "Яковлевна"},           {"Апполинарьевич", "Апполинариевна"},
    {"Поликарпович", "Поликарповна"},     {"Полиграфович", "Полиграфовна"},
    {"Святогорович", "Святогоровна"},     {"Афанасьевич", "Афанасиевна"},
}};

std::string expectedName(bool man, int surname, int first, int father) {
  std::string s = kSurnames[static_cast<size_t>(surname)];
  if (!man && surname < 60) s += "а";
  const int firstIndex = man ? first : first + 40;
  const Patronymic& p = kPatronymics[static_cast<size_t>(father)];
  return s + " " + kFirstNames[static_cast<size_t>(firstIndex)] + " " + (man ? p.man : p.woman);
}

}  // namespace

TEST(StaffNames, FirstNameTable) {
  for (int i = 0; i < 80; ++i) EXPECT_EQ(FirstName(i), kFirstNames[static_cast<size_t>(i)]) << i;
  EXPECT_EQ(FirstName(-1), "");
  EXPECT_EQ(FirstName(80), "");
}

// Code 0 is always a man and code 9 always a woman, without a draw for the sex:
// three draws each (surname, first name, father's name). Seeds are tried until
// every surname and every father's name has come up for both sexes.
TEST(StaffNames, EverySurnameAndPatronymicForBothSexes) {
  for (const bool man : {true, false}) {
    const int code = man ? 0 : 9;
    const int surnames = man ? 70 : 65;
    std::set<int> seenSurnames, seenFathers;
    for (uint32_t seed = 0; seed < 20000; ++seed) {
      kmtest::DrawSequence draws(seed);
      const int s = draws.integer(surnames);
      const int f = draws.integer(40);
      const int p = draws.integer(40);
      Random random;
      random.setSeed(seed);
      ASSERT_EQ(MakeStaffName(code, random), expectedName(man, s, f, p)) << "seed " << seed;
      ASSERT_EQ(random.seed(), draws.seed()) << "seed " << seed;
      seenSurnames.insert(s);
      seenFathers.insert(p);
      if (static_cast<int>(seenSurnames.size()) == surnames && seenFathers.size() == 40u) break;
    }
    EXPECT_EQ(static_cast<int>(seenSurnames.size()), surnames) << (man ? "men" : "women");
    EXPECT_EQ(seenFathers.size(), 40u) << (man ? "men" : "women");
  }
}

// Codes 1..8 draw the sex first from [0, code + 1): 0 and 1 give a man. So loaders
// (code 1) are always men, yet still take four draws per name.
TEST(StaffNames, SexDrawAndDrawCountByProfessionCode) {
  const std::set<std::string> menOnly = {"Полянский", "Деревянский", "Молодецкий", "Вольский",
                                         "Волынский"};
  for (int code = 1; code <= 8; ++code) {
    int men = 0, women = 0;
    for (uint32_t seed = 0; seed < 400; ++seed) {
      kmtest::DrawSequence draws(seed);
      const int r = draws.integer(code + 1);
      const bool man = r <= 1;
      const int s = draws.integer(man ? 70 : 65);
      const int f = draws.integer(40);
      const int p = draws.integer(40);
      Random random;
      random.setSeed(seed);
      const std::string name = MakeStaffName(code, random);
      ASSERT_EQ(name, expectedName(man, s, f, p)) << "code " << code << " seed " << seed;
      ASSERT_EQ(random.seed(), kmtest::seedAfter(seed, 4));
      if (!man) {
        EXPECT_EQ(menOnly.count(name.substr(0, name.find(' '))), 0u) << name;
      }
      (man ? men : women)++;
    }
    if (code == 1) {
      EXPECT_EQ(women, 0);
    } else {
      EXPECT_GT(women, 0) << "code " << code;
      EXPECT_GT(men, 0) << "code " << code;
    }
  }
}

// Every word a name can hold comes out in Latin letters as one capitalised word;
// the readings an English player expects where the letters alone mislead.
TEST(StaffNames, LatinLettersForEveryWord) {
  auto wordOk = [](const std::string& w) {
    if (w.empty() || w[0] < 'A' || w[0] > 'Z') return false;
    for (size_t i = 1; i < w.size(); ++i)
      if (w[i] < 'a' || w[i] > 'z') return false;
    return true;
  };
  std::vector<std::string> words(kFirstNames.begin(), kFirstNames.end());
  for (size_t i = 0; i < kSurnames.size(); ++i) {
    words.push_back(kSurnames[i]);
    words.push_back(std::string(kSurnames[i]) + "а");
  }
  for (const Patronymic& p : kPatronymics) {
    words.push_back(p.man);
    words.push_back(p.woman);
  }
  for (const std::string& w : words) EXPECT_TRUE(wordOk(kelpmark::latinName(w))) << w;
  const std::pair<const char*, const char*> readings[] = {
      {"Кузнецова Ирина Сергеевна", "Kuznetsova Irina Sergeevna"},
      {"Семенов Федор Дмитриевич", "Semyonov Fyodor Dmitrievich"},
      {"Воробьева Евгения Анатолиевна", "Vorobyeva Yevgenia Anatolievna"},
      {"Полянский Юлиан Евгеньевич", "Polyansky Yulian Yevgenyevich"},
      {"Ященко Электростанция Семеновна", "Yashchenko Elektrostantsia Semyonovna"},
      {"Хохлова Гюльчатай Федоровна", "Khokhlova Gyulchatay Fyodorovna"},
      {"Свекольникова ", "Svekolnikova "},
      {"Склад N 3", "Sklad N 3"},
      {"", ""},
  };
  for (const auto& [russian, latin] : readings) EXPECT_EQ(kelpmark::latinName(russian), latin);
}
