#pragma once

#include <QTest>
#include <QWidget>

#include <utility>

namespace lunetra::test {

// No two shown controls of the design (those with a name) that stand side by side in one
// parent overlap, but for the pairs given, which share a place by design.
using Pair = std::pair<QString, QString>;
inline void CheckApart(const QWidget& window, const QList<Pair>& sharing = {}) {
    QList<const QWidget*> parents = window.findChildren<const QWidget*>();
    parents << &window;
    for (const QWidget* parent : parents) {
        QList<const QWidget*> parts;
        for (const QWidget* part : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (part->isVisible() && !part->objectName().isEmpty() && !part->isWindow())
                parts << part;
        for (qsizetype i = 0; i < parts.size(); ++i)
            for (qsizetype j = i + 1; j < parts.size(); ++j) {
                const std::pair names(parts[i]->objectName(), parts[j]->objectName());
                const bool shared =
                    sharing.contains(names) || sharing.contains(Pair(names.second, names.first));
                QVERIFY2(!parts[i]->geometry().intersects(parts[j]->geometry()) || shared,
                         qPrintable(names.first + " overlaps " + names.second));
            }
    }
}

} // namespace lunetra::test
