// Writes the story map for writers: a Graphviz graph of the passages and of the choices between
// them, made from the very tables the game runs (it links the core library) and from the first
// words of the story sources. A choice leads from a passage to the passage its row loads when a
// transition that loads the first one puts the row's caption on the row's slot.
//
//     story_map TEXT_SOURCE_DIR OUTPUT.dot

#include "engine/choice_tables.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <cstdio>
#include <map>
#include <vector>

using namespace vortelia;

namespace {

const QString gameOverNode = QStringLiteral("game_over");
const QString consoleNode = QStringLiteral("console");

QString quoted(const QString& text) {
    QString out = text;
    out.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    out.replace(u'\n', QStringLiteral("\\n"));
    return u'"' + out + u'"';
}

// "text\gt16.tf" -> "gt16"
QString passageName(const char* story) {
    return QString::fromUtf8(story).section(u'\\', -1).section(u'.', 0, 0);
}

// The opening words of the passage's first paragraph, cut at a word boundary.
QString firstWords(const QString& sourceDir, const QString& name, bool* ok) {
    QFile file(sourceDir + u'/' + name + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot be read\n", qUtf8Printable(file.fileName()));
        *ok = false;
        return {};
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = QString(utf8.decode(file.readAll())).trimmed();
    const QString first = text.section(u'\n', 0, 0).simplified();
    constexpr qsizetype limit = 34;
    if (first.size() <= limit)
        return first;
    const qsizetype cut = first.lastIndexOf(u' ', limit);
    return first.left(cut > 0 ? cut : limit) + QStringLiteral("…");
}

QString conditionText(const Condition& when) {
    static const char* const flagNames[] = {"b", "c", "bc"};
    switch (when.kind) {
    case Condition::Kind::None:
        return {};
    case Condition::Kind::Flag:
        return QStringLiteral("[%1 = %2]")
            .arg(QLatin1String(flagNames[static_cast<int>(when.flag)]), QString::fromUtf8(when.value));
    case Condition::Kind::Answer:
        return QStringLiteral("[answer %1]").arg(QString::fromUtf8(when.value));
    }
    return {};
}

QString effectText(Effect effect) {
    switch (effect) {
    case Effect::SetFlagB:
        return QStringLiteral("b := 1");
    case Effect::SetFlagBC:
        return QStringLiteral("bc := 1");
    case Effect::SetFlagC:
        return QStringLiteral("c := 1");
    case Effect::ShowAnswerBox:
        return QStringLiteral("answer box shown");
    default:
        return {};
    }
}

QString targetOf(const Transition& row) {
    if (row.effect == Effect::GameOver)
        return gameOverNode;
    if (row.effect == Effect::Console)
        return consoleNode;
    return passageName(row.story);
}

QString edgeLabel(int slot, const Transition& row) {
    QStringList parts{QStringLiteral("%1: %2").arg(slot + 1).arg(QString::fromUtf8(row.caption))};
    for (const QString& part : {conditionText(row.when), effectText(row.effect)})
        if (!part.isEmpty())
            parts << part;
    return parts.join(u'\n');
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: story_map TEXT_SOURCE_DIR OUTPUT.dot\n");
        return 2;
    }
    const QString sourceDir = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

    const Transition& opening = openingTransition();
    const Transition& f8 = f8Transition();
    std::vector<const Transition*> loaders{&opening, &f8};
    for (int slot = 0; slot < 3; ++slot)
        for (const Transition& row : choiceTable(slot).rows)
            if (row.story)
                loaders.push_back(&row);

    // Passages in the order of their numbers, so the file changes only where the story does.
    std::map<int, QString> passages;
    for (const Transition* row : loaders)
        passages.emplace(passageName(row->story).mid(2).toInt(), passageName(row->story));

    QString dot;
    dot +=
        QStringLiteral("// Made by tools/story_map from the choice tables and assets/text; do not edit.\n");
    dot += QStringLiteral(
        "digraph story {\n"
        "    graph [rankdir=TB, fontname=\"PT Sans\", fontsize=11, nodesep=0.15, ranksep=0.5, labelloc=t,"
        " label=\"Миры \\\"Vortelia\\\": the story map. Box: passage file and its first words."
        " Edge: slot: caption [condition] flag write.\"];\n"
        "    node [shape=box, style=\"rounded,filled\", fillcolor=\"#e3f4f2\", color=\"#2a7f79\","
        " fontname=\"PT Sans\", fontsize=10];\n"
        "    edge [color=\"#2a7f79\", fontname=\"PT Sans\", fontsize=9, fontcolor=\"#1b4d49\"];\n");
    dot += QStringLiteral("    opening [label=\"opening\", shape=circle, fillcolor=\"#bfe3df\"];\n"
                          "    f8 [label=\"F8 key\\n(any scene)\", shape=circle, fillcolor=\"#bfe3df\"];\n"
                          "    console_key [label=\"console key\\n(any scene)\", shape=circle,"
                          " fillcolor=\"#fdf1c7\", color=\"#a07f1a\"];\n"
                          "    console [label=\"BLNC\\nconsole\", shape=box3d, fillcolor=\"#fdf1c7\","
                          " color=\"#a07f1a\"];\n");
    bool ok = true;
    for (const auto& [number, name] : passages) {
        dot += QStringLiteral("    %1 [label=%2];\n")
                   .arg(name, quoted(name + QStringLiteral(".tf\n") + firstWords(sourceDir, name, &ok)));
    }
    if (!ok)
        return 1;

    dot += QStringLiteral("    opening -> %1;\n").arg(passageName(opening.story));
    dot += QStringLiteral("    f8 -> %1 [style=dashed];\n").arg(passageName(f8.story));
    dot += QStringLiteral("    console_key -> %1 [style=dashed, color=\"#a07f1a\"];\n")
               .arg(targetOf(consoleKeyTransition()));
    // Choices between the same two passages share one edge; every passage that can end the game
    // gets its own game-over node beside it, so that no edge crosses the whole map.
    std::vector<std::pair<QString, QString>> order;
    std::map<std::pair<QString, QString>, QStringList> labels;
    for (const Transition* from : loaders) {
        for (int slot = 0; slot < 3; ++slot) {
            const char* caption = from->settings[slot].caption;
            if (!caption)
                continue;
            for (const Transition& row : choiceTable(slot).rows) {
                if (qstrcmp(row.caption, caption) != 0)
                    continue;
                const QString source = passageName(from->story);
                QString target = targetOf(row);
                if (target == gameOverNode)
                    target += u'_' + source;
                const std::pair key{source, target};
                if (!labels.contains(key))
                    order.push_back(key);
                QStringList& text = labels[key];
                if (!text.contains(edgeLabel(slot, row)))
                    text << edgeLabel(slot, row);
            }
        }
    }
    for (const auto& key : order) {
        const auto& [source, target] = key;
        if (target.startsWith(gameOverNode))
            dot += QStringLiteral("    %1 [label=\"GameOver\", shape=doubleoctagon, fillcolor=\"#f4c7c3\","
                                  " color=\"#a33a32\", fontsize=9];\n")
                       .arg(target);
        dot += QStringLiteral("    %1 -> %2 [label=%3").arg(source, target, quoted(labels[key].join(u'\n')));
        if (target.startsWith(gameOverNode))
            dot += QStringLiteral(", color=\"#a33a32\"");
        else if (target == consoleNode)
            dot += QStringLiteral(", color=\"#a07f1a\"");
        dot += QStringLiteral("];\n");
    }
    dot += QStringLiteral("}\n");

    QSaveFile out(output);
    const QByteArray bytes = dot.toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "%s: cannot be written\n", qUtf8Printable(output));
        return 1;
    }
    return 0;
}
