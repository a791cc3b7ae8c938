#include "shell/help_texts.hpp"

#include <array>

namespace tobrel::shell::help {

namespace {

struct Relation {
    int number;
    const char* formula;
    const char* unit;
    const char* source;
};

// Only relations whose published coefficients are certain are listed; the numbering keeps the
// places of the others.
constexpr std::array kRelations{
    Relation{1, "f = −0,0003·R³ + 0,0399·R² − 0,1525·R + 3,9976 (кубове 200 mm)", "N/mm²",
             "Schmidt, 1950"},
    Relation{33, "f = 0,0117·R² + 0,8973·R − 13,213 (кубове 150 mm)", "N/mm²", "Proceq, 2003"},
};

const char* kStyle =
    "<style>body{font-family:Tahoma,'DejaVu Sans';font-size:11pt;}"
    "td,th{border:1px solid #808080;padding:3px 6px;}"
    ".box{border:1px solid black;padding:4px 8px;}</style>";

}  // namespace

QString methodPage() {
    return QString::fromUtf8(kStyle) +
           QStringLiteral(
               "<p><u><b>Изчисляване на вероятностната якост на натиск</b></u></p>"
               "<p>За всяка изпитана точка дванадесетте отчета на склерометъра са обработени по "
               "следния начин:</p><ol>"
               "<li>Средноаритметична стойност на отскока от всичките дванадесет удара "
               "R<sub>средно</sub>;</li>"
               "<li>Условна якост R<sub>условно</sub>, MPa:"
               "<table cellspacing='0' style='margin:6px'><tr><td class='box'>R<sub>условно</sub> "
               "= "
               "0,011 · R<sub>средно</sub><sup>2</sup> + 0,948 · R<sub>средно</sub> − 13,53"
               "</td></tr></table></li>"
               "<li>Коефициент на възрастта k<sub>t</sub> според възрастта на бетона: 1,150 за "
               "бетон на "
               "7 дни, 0,600 за бетон на повече от 1170 дни; стойностите са в таблица на "
               "програмата;</li>"
               "<li>Коефициент на посоката k<sub>d</sub>: удар отгоре надолу 1,05, хоризонтален "
               "1,00, "
               "отдолу нагоре 0,95;</li>"
               "<li>Корекционен коефициент на уреда k<sub>уред</sub>, въвежда се ръчно, 1.0 за "
               "използвания уред;</li>"
               "<li>Вероятна якост на натиск R<sub>вероятно</sub>, MPa:"
               "<table cellspacing='0' style='margin:6px'><tr><td class='box'>R<sub>вероятно</sub> "
               "= "
               "R<sub>условно</sub> · k<sub>t</sub> · k<sub>d</sub> · k<sub>уред</sub>"
               "</td></tr></table></li></ol>");
}

QString conditionsPage() {
    return QString::fromUtf8(kStyle) +
           QStringLiteral(
               "<p><b>Измерванията са извършени при следните условия:</b></p><ol>"
               "<li>Повърхността в зоната на изпитване е суха;</li>"
               "<li>Температура на въздуха до 50 °C;</li>"
               "<li>Зоната на изпитване е почистена от люспи, прах и несвързани частици;</li>"
               "<li>Изпитваните елементи са с дебелина над 10 cm и маса над 300 kg;</li>"
               "<li>Зона на изпитване 10 x 10 cm;</li>"
               "<li>Дванадесет удара;</li>"
               "<li>Разстояние между точките най-малко 3 cm;</li>"
               "<li>Зоната на изпитване е на повече от 5 cm от ръб;</li>"
               "<li>Ударите са хоризонтални и перпендикулярни на изпитваната повърхност;</li>"
               "<li>Без откъртване на елемента от ударите.</li></ol>");
}

QString instrumentHeading() {
    return QStringLiteral("<b>Общ вид на уреда:</b>");
}

QString formulaTable(int first, int last) {
    QString rows;
    for (const Relation& relation : kRelations) {
        if (relation.number < first || relation.number > last)
            continue;
        rows += QStringLiteral("<tr><td>%1)</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(relation.number)
                    .arg(QString::fromUtf8(relation.formula), QString::fromUtf8(relation.unit),
                         QString::fromUtf8(relation.source));
    }
    return QString::fromUtf8(kStyle) +
           QStringLiteral(
               "<p><b>Зависимости между отскока R и якостта на натиск на бетона "
               "(%1 – %2)</b></p>"
               "<table cellspacing='0' width='100%'><tr><th>№</th><th>Формула</th>"
               "<th>Единица</th><th>Автори, година</th></tr>%3</table>")
               .arg(first)
               .arg(last)
               .arg(rows);
}

}  // namespace tobrel::shell::help
