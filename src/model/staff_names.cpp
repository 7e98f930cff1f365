// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/staff_names.h"

#include <array>

#include "model/random.h"

namespace kelpmark {

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
    "Татьяна", "Тамара", "Феодосья", "Фекла", "Электростанция", "Юлия", "Ульяна", "Анастасия",
    "Анна", "Анжела", "Ангелина", "Нина", "Марта", "Капиталина", "Розарья", "Александра"};

const std::array<const char*, 70> kSurnames = {
    "Иванов", "Ивашов", "Петров", "Мягков", "Семенов", "Белокуров", "Сидоров", "Захаров",
    "Кузнецов", "Круглов", "Федоров", "Сергеев", "Золотов", "Сорокин", "Воронин", "Воронов",
    "Копытов", "Зайцев", "Кроликов", "Абрамов", "Киселев", "Беляев", "Ковалев", "Каратаев",
    "Галкин", "Воробьев", "Орлов", "Соколов", "Брондуков", "Голубев", "Петухов", "Рябчиков",
    "Виноградов", "Медведев", "Табаков", "Волков", "Казаков", "Хохлов", "Новиков", "Кривоногов",
    "Деревянкин", "Козлов", "Баранов", "Овчинников", "Белов", "Королев", "Смирнов", "Пантелеев",
    "Толстов", "Карасев", "Зуев", "Попов", "Пашков", "Мешков", "Огурцов", "Редькин",
    "Свекольников", "Кабачков", "Морозов", "Рябинин", "Ковалько", "Ященко", "Шапиро",
    "Рабинович", "Абрамович", "Полянский", "Деревянский", "Молодецкий", "Вольский",
    "Волынский"};

bool endsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void dropSuffix(std::string& s, const std::string& suffix) { s.erase(s.size() - suffix.size()); }

std::string patronymic(std::string father, bool man) {
  std::string result;
  if (endsWith(father, "й")) {
    dropSuffix(father, "й");
    if (man) {
      if (endsWith(father, "и") && father != "Дмитри") {
        dropSuffix(father, "и");
        father += "ь";
      }
      result = father + "евич";
    } else {
      result = father + "евна";
    }
  } else {
    result = father + (man ? "ович" : "овна");
  }
  static const std::array<std::pair<const char*, const char*>, 8> kExceptions = {{
      {"Игорьович", "Игоревич"},
      {"Игорьовна", "Игоревна"},
      {"Павелович", "Павлович"},
      {"Павеловна", "Павловна"},
      {"Данилаович", "Данилович"},
      {"Данилаовна", "Даниловна"},
      {"Якововна", "Яковлевна"},
      {"Яковович", "Яковлевич"},
  }};
  for (const auto& [from, to] : kExceptions)
    if (result == from) return to;
  return result;
}

}  // namespace

std::string FirstName(int index) {
  if (index < 0 || index >= static_cast<int>(kFirstNames.size())) return "";
  return kFirstNames[static_cast<size_t>(index)];
}

std::string MakeStaffName(int code, Random& random) {
  bool man;
  if (code >= 1 && code <= 8) {
    const int32_t r = random.integer(code + 1);
    man = r == 0 || r == 1;
  } else {
    man = code <= 0;
  }
  std::string surname;
  if (man) {
    surname = kSurnames[static_cast<size_t>(random.integer(70))];
  } else {
    const int32_t s = random.integer(65);
    surname = kSurnames[static_cast<size_t>(s)];
    if (s < 60) surname += "а";
  }
  const int32_t f = random.integer(40);
  const std::string first = FirstName(man ? f : f + 40);
  const int32_t p = random.integer(40);
  return surname + " " + first + " " + patronymic(FirstName(p), man);
}

}  // namespace kelpmark
