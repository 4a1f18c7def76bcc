// The source folders as layers: what a file's folder may include. Folders never include each
// other in a loop, the core includes nothing of the windows or the command line, and the
// command line nothing of the windows.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <functional>

namespace {

// Folder -> folders it includes from, each with one include that shows it.
using FolderGraph = QHash<QString, QHash<QString, QString>>;

FolderGraph includeGraph(const QString& root) {
    FolderGraph graph;
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""),
                                            QRegularExpression::MultilineOption);
    const QDir src(root);
    QDirIterator it(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QString text = QString::fromUtf8(file.readAll());
        const QString folder = src.relativeFilePath(QFileInfo(path).path());
        for (auto m = include.globalMatch(text); m.hasNext();) {
            const QString name = m.next().captured(1);
            // Beside the file first, then from the top of the sources, as the compiler looks.
            QString target = QFileInfo(QFileInfo(path).dir(), name).absoluteFilePath();
            if (!QFileInfo::exists(target)) target = src.absoluteFilePath(name);
            if (!QFileInfo::exists(target)) continue; // generated, or from a library
            const QString to = src.relativeFilePath(QFileInfo(target).path());
            if (to != folder)
                graph[folder].insert(to, src.relativeFilePath(path) + QStringLiteral(" -> ") + name);
        }
    }
    return graph;
}

// The groups of folders that reach each other (Tarjan's strongly connected components), two or more.
QList<QStringList> loops(const FolderGraph& graph) {
    QHash<QString, int> index, low;
    QStringList stack;
    QSet<QString> onStack;
    QList<QStringList> found;
    int next = 0;
    std::function<void(const QString&)> visit = [&](const QString& v) {
        index[v] = low[v] = next++;
        stack << v;
        onStack << v;
        for (const QString& w : graph.value(v).keys()) {
            if (!index.contains(w)) {
                visit(w);
                low[v] = std::min(low[v], low[w]);
            } else if (onStack.contains(w)) {
                low[v] = std::min(low[v], index[w]);
            }
        }
        if (low[v] != index[v]) return;
        QStringList group;
        QString w;
        do {
            w = stack.takeLast();
            onStack.remove(w);
            group << w;
        } while (w != v);
        if (group.size() > 1) found << group;
    };
    for (const QString& v : graph.keys())
        if (!index.contains(v)) visit(v);
    return found;
}

} // namespace

class TestLayers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void foldersIncludeDownwardsOnly();
};

void TestLayers::foldersIncludeDownwardsOnly() {
    const FolderGraph graph = includeGraph(QStringLiteral(RUNEBOARD_SOURCE_DIR "/src"));
    QVERIFY(graph.contains(QStringLiteral("core/tools"))); // the sources were found and read

    QStringList faults;
    for (const QStringList& group : loops(graph)) {
        QStringList shown;
        for (const QString& from : group)
            for (const QString& to : group)
                if (graph.value(from).contains(to)) shown << graph.value(from).value(to);
        faults << QStringLiteral("folders in a loop: %1 (%2)")
                      .arg(group.join(QStringLiteral(", ")), shown.join(QStringLiteral("; ")));
    }
    auto forbid = [&](const QString& lower, const QString& higher) {
        for (auto from = graph.begin(); from != graph.end(); ++from)
            if (from.key() == lower || from.key().startsWith(lower + QLatin1Char('/')))
                for (auto to = from->begin(); to != from->end(); ++to)
                    if (to.key() == higher || to.key().startsWith(higher + QLatin1Char('/')))
                        faults << QStringLiteral("%1 includes from %2: %3").arg(lower, higher, to.value());
    };
    forbid(QStringLiteral("core"), QStringLiteral("ui"));
    forbid(QStringLiteral("core"), QStringLiteral("cli"));
    forbid(QStringLiteral("cli"), QStringLiteral("ui"));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestLayers)
#include "tst_layers.moc"
