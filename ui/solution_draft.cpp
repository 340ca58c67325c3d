#include "ui/solution_draft.h"

#include <QFile>
#include <QSaveFile>

#include "engine/algorithm/console.h"

namespace ui {

void SolutionDraft::start(const QString& begun) {
    text = saved = begun;
    started = true;
}

bool SolutionDraft::open(const QString& file, QString& error) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        error = in.errorString();
        return false;
    }
    const QByteArray bytes = in.readAll();
    QString read = QString::fromStdString(ej::algorithm::asUtf8(std::string_view(bytes.constData(), bytes.size())));
    read.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    read.replace(u'\r', u'\n');
    start(read);
    path = file;
    return true;
}

bool SolutionDraft::save(const QString& file, QString& error) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0 || !out.commit()) {
        error = out.errorString();
        return false;
    }
    saved = text;
    path = file;
    return true;
}

}  // namespace ui
