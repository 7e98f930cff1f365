// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/workers.h"

#include "model/kinds.h"
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

TWorkerBee::TWorkerBee(const EmployeeKind& kind, Random& random) : class_(kind.workerClass) {
  Experience = 50;
  const int32_t r = random.integer(21);
  SetMood(85 - r);
  Profession = kind.profession.source;
  Salary = Currency::fromUnits(kind.salary);
  NominalSalary = Currency::fromUnits(kind.nominalSalary);
  HireCost = Currency::fromUnits(kind.hireCost);
}

TAccounter::TAccounter(Random& random) : TWorkerBee(kAccountantKind, random) {}

TStuff::TStuff(Random& random) : TWorkerBee(kLoaderKind, random) {}

TManager::TManager(Random& random) : TWorkerBee(kManagerKind, random) {}

TSaler::TSaler(Random& random) : TWorkerBee(kSalesmanKind, random) {}

std::shared_ptr<TWorkerBee> newWorker(const EmployeeKind& kind, Random& random) {
  switch (kind.workerClass) {
    case WorkerClass::Accounter: return std::make_shared<TAccounter>(random);
    case WorkerClass::Stuff: return std::make_shared<TStuff>(random);
    case WorkerClass::Manager: return std::make_shared<TManager>(random);
    case WorkerClass::Saler: return std::make_shared<TSaler>(random);
  }
  return nullptr;
}

}  // namespace kelpmark
