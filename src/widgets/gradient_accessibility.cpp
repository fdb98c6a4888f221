#include "widgets/gradient_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>

#include "widgets/gradient_bar.h"
#include "widgets/gradient_button.h"

namespace beditor {

namespace {

class AccessibleGradientButton : public QAccessibleWidget {
 public:
  explicit AccessibleGradientButton(GradientButton* button)
      : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return WithoutAccessKeyMarks(Button()->Caption());
    if (kind == QAccessible::Accelerator)
      return QKeySequence::mnemonic(Button()->Caption()).toString(QKeySequence::NativeText);
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = Button()->Pressed();
    return state;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (Button()->isEnabled()) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& name) override {
    if (name == pressAction() || name == showMenuAction()) {
      if (name == pressAction()) Button()->Click();
      return;
    }
    QAccessibleWidget::doAction(name);
  }

  QStringList keyBindingsForAction(const QString& name) const override {
    if (name == pressAction()) {
      const QKeySequence key = QKeySequence::mnemonic(Button()->Caption());
      if (!key.isEmpty()) return {key.toString(QKeySequence::NativeText)};
    }
    return QAccessibleWidget::keyBindingsForAction(name);
  }

 private:
  GradientButton* Button() const { return static_cast<GradientButton*>(widget()); }
};

class AccessibleGradientBar : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit AccessibleGradientBar(GradientBar* bar)
      : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return Bar()->Caption();
    if (kind == QAccessible::Value) return QString::number(Bar()->Gradient.PercentFilling());
    return QAccessibleWidget::text(kind);
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QVariant currentValue() const override { return Bar()->Gradient.PercentFilling(); }
  void setCurrentValue(const QVariant&) override {}  // the bar only shows a value
  QVariant maximumValue() const override { return 100; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 0; }

 private:
  GradientBar* Bar() const { return static_cast<GradientBar*>(widget()); }
};

QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
  if (auto* button = qobject_cast<GradientButton*>(object))
    return new AccessibleGradientButton(button);
  if (auto* bar = qobject_cast<GradientBar*>(object)) return new AccessibleGradientBar(bar);
  return nullptr;
}

}  // namespace

void InstallGradientAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(CreateInterface);
    return true;
  }();
  (void)installed;
}

QString WithoutAccessKeyMarks(const QString& caption) {
  QString text;
  text.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (i + 1 < caption.size() && caption[i + 1] == u'&') {
        text += u'&';
        ++i;
      }
      continue;
    }
    text += caption[i];
  }
  return text;
}

}  // namespace beditor
