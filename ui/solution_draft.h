#pragma once

#include <QString>

namespace ui {

// An exercise's solution as the student writes it. It lives as long as the program, so
// that closing its window and opening it again (F3) shows it as it was; it reaches a
// file only when the student asks.
struct SolutionDraft {
    QString text;
    QString saved;  // the text as last started, opened or saved: what "Descartar" goes back to
    QString path;   // its file, once opened or saved; empty before
    bool started = false;  // once the student chose how to start, or opened a file

    bool modified() const { return started && text != saved; }
    void start(const QString& text);
    void discardChanges() { text = saved; }
    // Reads a file: as UTF-8 when it is valid UTF-8, else as Latin-1, the encoding PSeInt
    // on Windows saves in; its lines end in "\n" whatever they ended in. On failure, says
    // why in `error` and changes nothing.
    bool open(const QString& file, QString& error);
    // Writes the text in UTF-8, whole or not at all.
    bool save(const QString& file, QString& error);
};

}  // namespace ui
