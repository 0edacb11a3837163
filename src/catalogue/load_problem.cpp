// SPDX-License-Identifier: GPL-3.0-or-later
#include "load_problem.h"

#include "common/numbers.h"

#include <QCoreApplication>

#include <cfloat>
#include <cmath>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(LoadProblem)
};

} // namespace

QString describe(const LoadProblem &problem)
{
    if (problem.line <= 0)
        return problem.text;
    return QCoreApplication::translate("LoadProblem", "line %1: %2")
        .arg(problem.line)
        .arg(problem.text);
}

QString valueProblem(QStringView text)
{
    // Never negative, and far inside single precision.
    if (readPlainDecimal(text))
        return QString();
    QStringView bare = text.trimmed();
    if (bare.startsWith(u'-') || bare.startsWith(u'+'))
        bare = bare.sliced(1);
    if (bare.startsWith(u"nan", Qt::CaseInsensitive))
        return Text::tr("is not a number");
    if (bare.startsWith(u"inf", Qt::CaseInsensitive))
        return Text::tr("is infinite");
    // Money totals are single precision: a value past its range makes them infinite.
    const double value = readNumber(text);
    if (!(std::fabs(value) <= FLT_MAX))
        return Text::tr("is too large for the totals");
    if (value < 0)
        return Text::tr("is negative");
    return QString();
}
