#include "load_problem.h"

#include "common/numbers.h"

#include <QCoreApplication>

#include <cfloat>
#include <cmath>

QString describe(const LoadProblem &problem)
{
    if (problem.line <= 0)
        return problem.text;
    return QCoreApplication::translate("LoadProblem", "line %1: %2")
        .arg(problem.line)
        .arg(problem.text);
}

namespace {

// Digits with at most one point: nearly every value of our files, and never a problem.
bool isPlainDecimal(QStringView text)
{
    // Past 38 digits a value may be beyond single precision.
    if (text.isEmpty() || text.size() > 38)
        return false;
    bool point = false;
    for (const QChar c : text) {
        if (c == u'.' && !point)
            point = true;
        else if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

QString valueProblem(QStringView text)
{
    if (isPlainDecimal(text))
        return QString();
    const auto tr = [](const char *reason) {
        return QCoreApplication::translate("LoadProblem", reason);
    };
    QStringView bare = text.trimmed();
    if (bare.startsWith(u'-') || bare.startsWith(u'+'))
        bare = bare.sliced(1);
    if (bare.startsWith(u"nan", Qt::CaseInsensitive))
        return tr("is not a number");
    if (bare.startsWith(u"inf", Qt::CaseInsensitive))
        return tr("is infinite");
    // Money totals are single precision: a value past its range makes them infinite.
    const double value = readNumber(text);
    if (!(std::fabs(value) <= FLT_MAX))
        return tr("is too large for the totals");
    if (value < 0)
        return tr("is negative");
    return QString();
}
