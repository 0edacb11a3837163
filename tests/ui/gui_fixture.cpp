#include "gui_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

const char *const ListNames[8] = {"lstUnitId", "lstUnits",      "lstStr",        "lstFaction",
                                  "lstRarity", "lstPointValue", "lstCollection", "lstArmy"};

QByteArray numberedCatalogue(int units)
{
    static const char *const strengths[] = {"Weak", "Standard", "Tough", "Unique"};
    QByteArray text;
    for (int row = 0; row < units; ++row) {
        const QByteArray n = QByteArray::number(row);
        text += "u" + n + ",Unit " + n + "," + strengths[row % 4] + "," +
                (row % 7 == 0 ? "LE" : "C") + ",F" + QByteArray::number(row % 5) + "," +
                QByteArray::number(row + 1) + "\r\n";
    }
    return text;
}

QStringList texts(std::initializer_list<const char *> items)
{
    QStringList out;
    for (const char *item : items)
        out.append(QString::fromLatin1(item));
    return out;
}

QString failureOfChild(const char *name, const QStringList &environment)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : environment + QStringList{u"ROSTERMERE_CHILD=1"_s})
        env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {u"--gtest_also_run_disabled_tests"_s, u"--gtest_filter=*."_s + QLatin1String(name)});
    if (!child.waitForFinished(60000))
        return u"the child run did not finish"_s;
    const QString output = QString::fromUtf8(child.readAll());
    return child.exitCode() == 0 && output.contains(u"[  PASSED  ] 1 test"_s) ? QString() : output;
}

void GuiTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_previousDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    m_previousHandler = Messages::setHandler(
        [this](QWidget *, const Messages::Message &message) { messages.append(message); });
}

void GuiTest::TearDown()
{
    picker.reset();
    main.reset();
    globals.reset();
    Messages::setHandler(std::move(m_previousHandler));
    QDir::setCurrent(m_previousDir);
}

void GuiTest::writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(m_dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray GuiTest::fileBytes(const QString &name) const
{
    QFile file(m_dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void GuiTest::start(bool hidePicker)
{
    picker.reset();
    main.reset();
    globals = std::make_unique<modGlobals>();
    main = std::make_unique<frmMain>(*globals);
    picker = std::make_unique<frmWorldPick>(*main);
    picker->Form_Load();
    picker->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(picker.get()));
    if (hidePicker)
        picker->hide();
}

QListView *GuiTest::list(const char *name) const
{
    auto *view = main->findChild<QListView *>(QLatin1String(name));
    EXPECT_NE(view, nullptr) << name;
    return view;
}

int GuiTest::topRow(QListView *view)
{
    return view->indexAt(QPoint(2, 2)).row();
}

QString GuiTest::rowText(QListView *view, int row)
{
    return view->model()->index(row, view->modelColumn()).data().toString();
}

QStringList GuiTest::column(const char *name) const
{
    QListView *view = list(name);
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts.append(rowText(view, row));
    return texts;
}

void GuiTest::expectAligned(int selected) const
{
    QCoreApplication::processEvents(); // lets the lists lay out their rows
    const int top = topRow(list("lstUnits"));
    for (const char *name : ListNames) {
        QListView *view = list(name);
        const QModelIndexList rows = view->selectionModel()->selectedRows(view->modelColumn());
        EXPECT_EQ(rows.size() == 1 ? rows.front().row() : -1, selected) << name;
        EXPECT_EQ(topRow(view), top) << name;
        const QModelIndex shown = view->model()->index(selected, view->modelColumn());
        const int middle = view->visualRect(shown).center().y();
        EXPECT_TRUE(selected < 0 || (middle >= 0 && middle < view->viewport()->height()))
            << name << " does not show row " << selected;
    }
}

void GuiTest::clickRow(QListView *view, int row, Qt::MouseButton button)
{
    const QModelIndex index = view->model()->index(row, view->modelColumn());
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), button, Qt::NoModifier, view->visualRect(index).center());
}

void GuiTest::doubleClickRow(QListView *view, int row)
{
    clickRow(view, row);
    const QRect place = view->visualRect(view->model()->index(row, view->modelColumn()));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
}

QStringList GuiTest::items(QListWidget *files)
{
    QStringList names;
    for (int i = 0; i < files->count(); ++i)
        names.append(files->item(i)->text());
    return names;
}

void GuiTest::doubleClickItem(QListWidget *files, const QString &name)
{
    const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    const QPoint at = files->visualItemRect(found.front()).center();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void GuiTest::trigger(const char *action) const
{
    main->findChild<QAction *>(QLatin1String(action))->trigger();
}

QString GuiTest::text(const char *control) const
{
    QObject *object = main->findChild<QObject *>(QLatin1String(control));
    if (object == nullptr)
        object = picker->findChild<QObject *>(QLatin1String(control));
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *box = qobject_cast<QGroupBox *>(object))
        return box->title();
    if (auto *option = qobject_cast<QRadioButton *>(object))
        return option->text();
    if (auto *field = qobject_cast<QLineEdit *>(object))
        return field->text();
    if (auto *action = qobject_cast<QAction *>(object))
        return action->text();
    return u"<no control %1>"_s.arg(QLatin1String(control));
}

QStringList GuiTest::totals(const char *tally) const
{
    QStringList texts;
    for (const char *total : {"Number", "Value", "Price"})
        texts.append(text(("lbl" + QByteArray(tally) + total).constData()));
    return texts;
}

int GuiTest::execWith(const std::function<void()> &action)
{
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(2); });
    giveUp.start(5000);
    QTimer::singleShot(0, qApp, action);
    return QApplication::exec();
}
