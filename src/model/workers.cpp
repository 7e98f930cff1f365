// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/workers.h"

#include "model/random.h"

namespace kelpmark {

void TWorkerBee::SetMood(int64_t value) {
  if (value > 100) value = 100;
  if (value < 0) value = 0;
  Mood = static_cast<int32_t>(value);
}

void TWorkerBee::GainExperience() {
  if (Experience < 100) Experience = Experience + 1;
}

TWorkerBee::TWorkerBee(WorkerClass c, Random& random) : class_(c) {
  Experience = 50;
  const int32_t r = random.integer(21);
  SetMood(85 - r);
}

TAccounter::TAccounter(Random& random) : TWorkerBee(WorkerClass::Accounter, random) {
  Profession = "Бухгалтер";
  Salary = Currency::fromUnits(150);
  NominalSalary = Currency::fromUnits(150);
  HireCost = Currency::fromUnits(100);
}

TStuff::TStuff(Random& random) : TWorkerBee(WorkerClass::Stuff, random) {
  Profession = "Грузчик";
  Salary = Currency::fromUnits(50);
  NominalSalary = Currency::fromUnits(50);
  HireCost = Currency::fromUnits(1);
}

TManager::TManager(Random& random) : TWorkerBee(WorkerClass::Manager, random) {
  Profession = "Менеджер";
  Salary = Currency::fromUnits(200);
  NominalSalary = Currency::fromUnits(200);
  HireCost = Currency::fromUnits(250);
}

TSaler::TSaler(Random& random) : TWorkerBee(WorkerClass::Saler, random) {
  Profession = "Продавец";
  Salary = Currency::fromUnits(75);
  NominalSalary = Currency::fromUnits(200);
  HireCost = Currency::fromUnits(10);
}

}  // namespace kelpmark
