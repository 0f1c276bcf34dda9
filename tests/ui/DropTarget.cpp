// Another application to drag text into: a window at the top left of the
// screen that takes text dropped on it and writes each drop to standard
// output as one line.
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTextStream>
#include <QWidget>

namespace {

class TDropTarget : public QWidget {
public:
    TDropTarget() { setAcceptDrops(true); }

protected:
    void dragEnterEvent(QDragEnterEvent* Event) override {
        if (Event->mimeData()->hasText())
            Event->acceptProposedAction();
    }

    void dropEvent(QDropEvent* Event) override {
        QTextStream(stdout) << Event->mimeData()->text() << Qt::endl;
        Event->acceptProposedAction();
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication App(argc, argv);
    TDropTarget Target;
    Target.setWindowTitle(QStringLiteral("Drop target"));
    Target.setGeometry(0, 0, 300, 150);
    Target.move(0, 0); // the frame's corner, where a window manager frames it
    Target.show();
    return QApplication::exec();
}
