#pragma once

#include <QAccessibleWidget>

class LinkLabel;

// What a screen reader meets in a LinkLabel: a link with its caption as its name, which the
// reader can press to follow it, as a click does.
class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(LinkLabel *label);

    // Makes Qt hand out this interface for every LinkLabel; once is enough.
    static void install();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    LinkLabel *label() const;
};
