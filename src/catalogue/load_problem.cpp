#include "load_problem.h"

#include <QCoreApplication>

QString describe(const LoadProblem &problem)
{
    if (problem.line <= 0)
        return problem.text;
    return QCoreApplication::translate("LoadProblem", "line %1: %2")
        .arg(problem.line)
        .arg(problem.text);
}
