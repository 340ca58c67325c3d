#include "ui/pseudocode_highlighter.h"

#include <QSyntaxHighlighter>
#include <QTextDocument>

#include "engine/algorithm/lexer.h"
#include "ui/listing_style.h"

namespace ui {

namespace {

class Pseudocode final : public QSyntaxHighlighter {
public:
    Pseudocode(QTextDocument* listing, const ListingColours& colours) : QSyntaxHighlighter(listing) {
        keyword_.setFontWeight(QFont::Bold);
        comment_.setForeground(colours.comment);
        text_.setForeground(colours.quoted);
    }

protected:
    // A line at a time: `//` starts a comment to its end, a text runs between two equal
    // quotes, and a word is a keyword whatever its case.
    void highlightBlock(const QString& line) override {
        const auto n = line.size();
        for (qsizetype i = 0; i < n;) {
            const QChar c = line[i];
            if (c == u'/' && i + 1 < n && line[i + 1] == u'/') {
                setFormat(int(i), int(n - i), comment_);
                return;
            }
            if (c == u'"' || c == u'\'') {
                qsizetype end = line.indexOf(c, i + 1);
                end = end < 0 ? n : end + 1;
                setFormat(int(i), int(end - i), text_);
                i = end;
            } else if (c.isLetter() || c == u'_') {
                qsizetype end = i + 1;
                while (end < n && (line[end].isLetterOrNumber() || line[end] == u'_')) ++end;
                if (ej::algorithm::isKeyword(line.mid(i, end - i).toLower().toStdString()))
                    setFormat(int(i), int(end - i), keyword_);
                i = end;
            } else {
                ++i;
            }
        }
    }

private:
    QTextCharFormat keyword_, comment_, text_;
};

}  // namespace

void highlightPseudocode(QTextDocument* listing, const QPalette& palette) {
    // Now rather than at the next turn of the event loop, Qt's own time for it, which
    // would lay out again every line laid out before.
    (new Pseudocode(listing, listingColours(palette)))->rehighlight();
}

}  // namespace ui
