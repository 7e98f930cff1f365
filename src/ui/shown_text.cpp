// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shown_text.h"

#include <QCoreApplication>
#include <unordered_map>

#include "model/latin_names.h"
#include "ui/translations.h"

namespace kelpmark::ui {

namespace {

class Catalogue final : public TextLanguage {
 public:
  std::string translate(const char* context, const std::string& source,
                        int64_t count) const override {
    // A count picks among a language's forms: looked up every time.
    if (count >= 0)
      return QCoreApplication::translate(context, source.c_str(), nullptr, static_cast<int>(count))
          .toStdString();
    std::string key = context;
    key += '\x04';
    key += source;
    auto found = kept_.find(key);
    if (found == kept_.end())
      found = kept_.emplace(std::move(key),
                            QCoreApplication::translate(context, source.c_str()).toStdString())
                  .first;
    return found->second;
  }
  std::string name(const std::string& russian) const override {
    return installedLanguage() == Language::Russian ? russian : latinName(russian);
  }
  void forget() { kept_.clear(); }

 private:
  mutable std::unordered_map<std::string, std::string> kept_;
};

Catalogue& catalogue() {
  static Catalogue c;
  return c;
}

}  // namespace

const TextLanguage& shownLanguage() { return catalogue(); }

void forgetShownTexts() { catalogue().forget(); }

QString shown(const Text& text) { return QString::fromStdString(text.in(&catalogue())); }

QString shown(const Marked& marked) { return shown(Text(marked)); }

QString shown(const FormattedLabel& label) {
  return QString::fromStdString(applyFormat(Text(label.format).in(&catalogue()), label.caption));
}

const QString& ShownText::operator()(const Text& text) {
  if (!valid_ || !(text == last_)) {
    shown_ = shown(text);
    last_ = text;
    valid_ = true;
  }
  return shown_;
}

QString ShownLabel::operator()(const FormattedLabel& label) {
  if (source_ != label.format.source) {
    format_ = Text(label.format).in(&catalogue());
    source_ = label.format.source;
  }
  return QString::fromStdString(applyFormat(format_, label.caption));
}

}  // namespace kelpmark::ui
