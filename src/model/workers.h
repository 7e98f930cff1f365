// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The company's employees: accountants, loaders, managers and salesmen.
#include <cstdint>
#include <memory>
#include <string>

#include "model/currency.h"

namespace kelpmark {

class Random;
struct EmployeeKind;

enum class WorkerClass { Accounter, Stuff, Manager, Saler };

class TWorkerBee {
 public:
  WorkerClass workerClass() const { return class_; }

  // Stores the value clamped to 0..100.
  void SetMood(int64_t value);
  // Adds one point of experience below 100.
  void GainExperience();

  int32_t Mood = 0;
  Currency Salary;
  Currency NominalSalary;
  Currency HireCost;
  int32_t Experience = 0;
  std::string Profession;

 protected:
  // Experience 50, then a starting mood of 85 - Random(21), then the values of the
  // kind's row.
  TWorkerBee(const EmployeeKind& kind, Random& random);

 private:
  WorkerClass class_;
};

class TAccounter : public TWorkerBee {
 public:
  explicit TAccounter(Random& random);
};

class TStuff : public TWorkerBee {
 public:
  explicit TStuff(Random& random);
};

class TManager : public TWorkerBee {
 public:
  explicit TManager(Random& random);
};

class TSaler : public TWorkerBee {
 public:
  explicit TSaler(Random& random);
};

// A new employee of the kind, of the kind's class.
std::shared_ptr<TWorkerBee> newWorker(const EmployeeKind& kind, Random& random);

}  // namespace kelpmark
