#include "shell/HelpText.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <climits>
#include <utility>

#include "core/Translate.h"
#include "fight/FightState.h"
#include "items/ItemCatalogue.h"
#include "shell/PlayFigures.h"
#include "state/GameState.h"
#include "state/Levels.h"
#include "world/Encounters.h"
#include "world/WoodCutting.h"
#include "world/WorldMap.h"

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

int Figure(std::string_view name) { return PlayFigureOf(name); }

// Where the help sends a new character: the one place where only rats attack.
int RatPlace() {
  for (int place = 1; place <= kPlaceCount; ++place) {
    const AttackTable* table = AttackTableOf(place);
    if (!table) continue;
    const KindShare commonest = KindsMet(*table, 1).front();
    if (commonest.kind == 1 && commonest.rolls == commonest.ofRolls) return place;
  }
  return 0;
}

QString FirstSteps() {
  return QCoreApplication::translate(
             "HelpText",
             "<h2>Первые шаги</h2> "
             "<p>Введите ник и пароль и нажмите «Войти»: новый ник регистрируется, знакомый "
             "загружается. "
             "Меню — это карта мира. Ваше место отмечено особой картинкой и подсказкой "
             "«Ваше местоположение».</p> "
             "<p>С голыми руками не победить даже крысу: она увернётся от каждого удара. Поэтому "
             "сначала "
             "зайдите в «Магазин» и потратьте %1 руб. на броню для каждого слота и щит; например, "
             "за "
             "1985 руб.: Поющий клинок, Щит покорения, Шлем слепоты, Широкий пояс благородства, "
             "Мягкие "
             "сапожки, Наручи твёрдости, Перчатки ночного неба, два Кольца долголетия, Доспех "
             "равнодушия и "
             "Кольчуга заката. Наденьте всё в «Инвентаре» («Надеть»). Зелья вместо брони заметно "
             "снижают "
             "шансы.</p> "
             "<p>Затем идите на место %2, прямо над городом (номера мест — на карте ниже): там "
             "нападают только крысы, одна, две или три. Бой начнётся через 15–29 секунд после "
             "прибытия. Первый ход сделайте сами: один удар и три блока (три блока можно только со "
             "щитом). После каждого хода флажки снимаются; «Повторить» (клавиша G) ставит те же "
             "флажки и делает ход, а «Автобой» (клавиша F) повторяет ход сам, пока бой не "
             "кончится, не выйдет следующий соперник или Ваши ХП не упадут ниже порога под "
             "кнопкой (сначала треть ХП: время выпить зелье). Любая клавиша или щелчок "
             "останавливают автобой.</p> "
             "<p><b>Чего ждать</b> (так сыграл бот с этим набором в %3 боях): бой с одной крысой "
             "длится обычно %4 ходов (от %5 до %6), победа в %7 % боёв приносит около %8 боевого "
             "опыта; с двумя крысами — %9 ходов (%10–%11), победа в %12 %, около %13 опыта; с "
             "тремя — %14 ходов (%15–%16), победа в %17 %, около %18 опыта. Второй уровень "
             "(%19 опыта) приходит через %20 боёв (от %21 до %22), примерно за %23 минут "
             "с автобоем. Поражение ничего не отнимает: ХП восстанавливаются, деньги и вещи "
             "остаются, счёт поражений растёт. Не забывайте «Сохранить»: при выходе игра не "
             "сохраняется.</p>")
      .arg(static_cast<int>(GameState{}.Money))
      .arg(RatPlace())
      .arg(Figure("fights"))
      .arg(Figure("rats1_moves_median"))
      .arg(Figure("rats1_moves_low"))
      .arg(Figure("rats1_moves_high"))
      .arg(Figure("rats1_wins_percent"))
      .arg(Figure("rats1_win_exp_mean"))
      .arg(Figure("rats2_moves_median"))
      .arg(Figure("rats2_moves_low"))
      .arg(Figure("rats2_moves_high"))
      .arg(Figure("rats2_wins_percent"))
      .arg(Figure("rats2_win_exp_mean"))
      .arg(Figure("rats3_moves_median"))
      .arg(Figure("rats3_moves_low"))
      .arg(Figure("rats3_moves_high"))
      .arg(Figure("rats3_wins_percent"))
      .arg(Figure("rats3_win_exp_mean"))
      .arg(GameState{}.PointLev)
      .arg(Figure("fights_to_level2_median"))
      .arg(Figure("fights_to_level2_min"))
      .arg(Figure("fights_to_level2_max"))
      .arg(Figure("minutes_to_level2_median"));
}

// What the monsters of a place are called on its cell of the map: commonest first,
// each with its level.
QString MonstersMet(const AttackTable& table, int level) {
  QStringList names;
  for (const KindShare& share : KindsMet(table, level)) {
    names << QString("%1 [%2]")
                 .arg(Text(mg::translate("Monster", EncounterName(share.kind).c_str())))
                 .arg(share.kind);
  }
  return names.join(", ");
}

QString MapCell(int place) {
  QString cell = QString("<b>%1</b> ").arg(place);
  if (place == kTown)
    return cell + QCoreApplication::translate("HelpText", "Город: магазин, нападений нет");
  if (place == kForest) cell += QCoreApplication::translate("HelpText", "Лес: рубка");
  const AttackTable& table = *AttackTableOf(place);
  cell += "<br>" + MonstersMet(table, 1);
  cell += "<br><i>" +
          QCoreApplication::translate("HelpText", "с ур. %1").arg(FirstEvenLevel(table)) + "</i>";
  return cell;
}

// The places whose rare strong monster becomes the common one from a level on.
QString LevelBounds() {
  QStringList bounds;
  for (int place = 1; place <= kPlaceCount; ++place) {
    const AttackTable* table = AttackTableOf(place);
    if (!table || table->levelBound == kNoBound) continue;
    bounds << QCoreApplication::translate("HelpText", "%1 (с %2-го уровня чаще %3)")
                  .arg(place)
                  .arg(table->levelBound)
                  .arg(MonstersMet(*table, table->levelBound).section(", ", 0, 0));
  }
  return bounds.join(", ");
}

QString Map() {
  QString rows;
  for (int row = kPlaceCount / kMapColumns - 1; row >= 0; --row) {
    rows += "<tr>";
    for (int column = 0; column < kMapColumns; ++column)
      rows += "<td valign=\"top\" width=\"20%\">" + MapCell(PlaceAt({column, row})) + "</td>";
    rows += "</tr>";
  }
  return QCoreApplication::translate(
             "HelpText",
             "<h2>Карта</h2> "
             "<p>Мир — %1 мест в пять столбцов и четыре ряда; номера — как в таблице. Идти можно "
             "только на соседнее место, и по диагонали тоже; дальше — «Слишком далеко.». Переход "
             "длится от 90 секунд; умение «Странник» сокращает его до 15.</p> "
             "%2 "
             "<p>В клетке — кто там нападает, сначала самые частые; в скобках уровень монстра. "
             "«С ур. N» — с этого Вашего уровня никто там не выше Вас по уровню. В местах %3 "
             "редкий сильный монстр с указанного уровня становится частым. Вне города монстры "
             "нападают через 15–29 секунд после прибытия и снова после каждого боя, пока Вы не "
             "уйдёте; во время перехода этот отсчёт стоит. <b>Мастер</b> [22], сильнейший из "
             "противников, не бродит по карте: к нему ведёт только «Свиток телепорта к "
             "Мастеру».</p>")
      .arg(kPlaceCount)
      .arg("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">" + rows +
           "</table>")
      .arg(LevelBounds());
}

// Cuttings that take a character from a level to the next at the middle of the level's
// award: the least and the most over the levels of the tables. A row's step is the
// experience its level needs for the next one.
std::pair<int, int> CuttingsPerLevel() {
  int least = INT_MAX;
  int most = 0;
  for (const LevelStepRow& row : LevelStepTable()) {
    const AwardRange award = PeaceAwardRange(row.level);
    const int cuttings = 2 * row.step / (award.least + award.most);
    least = std::min(least, cuttings);
    most = std::max(most, cuttings);
  }
  return {least, most};
}

QString WoodCutting() {
  int alwaysLevel = 0;
  while (SuccessfulRolls(alwaysLevel) < kCutRollCount) ++alwaysLevel;
  const AwardRange second = PeaceAwardRange(2);
  const AwardRange tenth = PeaceAwardRange(10);
  const auto [least, most] = CuttingsPerLevel();
  const AttackTable& forest = *AttackTableOf(kForest);
  return QCoreApplication::translate(
             "HelpText",
             "<h2>Рубка леса</h2> "
             "<p>С «Топором дровосека» в руке в лесу (место %1) появляется кнопка «Рубка»: "
             "%2 секунд рубки. Успех решает умение «Лесоруб»: при нуле рубка всегда неудачна, "
             "каждая единица добавляет один успешный исход из %3, с %4 рубка удаётся всегда "
             "(умения даёт каждый новый уровень, их ставят на странице персонажа). Мирный опыт "
             "даётся со второго уровня: на втором %5–%6 за рубку, на десятом %7–%8; до шестого "
             "уровня — не больше пяти рубок на уровень.</p> "
             "<p>Это мало: на любом уровне следующий уровень — это %9–%10 рубок, а бой с "
             "крысами на первом уровне даёт в среднем %11 опыта. Рубка — не путь наверх, а "
             "заработок: поленья продаются по 20 руб. за штуку.</p> "
             "<p>Во время каждой рубки один раз непременно нападут: в лесу это %12, для "
             "первого уровня — смерть за ход-два. Это не страшно: проигранный бой или «Сдаться» "
             "ничего не отнимают, кроме записи в поражения, а рубка после боя продолжается. "
             "Дорога из города в лес (5, 4, 3, 2, 1) обходится без боёв, если не стоять на "
             "месте: отсчёт до нападения идёт, только пока Вы стоите, поэтому, придя на место, "
             "сразу выбирайте следующее.</p>")
      .arg(kForest)
      .arg(kCutDuration)
      .arg(kCutRollCount)
      .arg(alwaysLevel)
      .arg(second.least)
      .arg(second.most)
      .arg(tenth.least)
      .arg(tenth.most)
      .arg(least)
      .arg(most)
      .arg(Figure("exp_per_fight_mean"))
      .arg(MonstersMet(forest, 1));
}

QString Fight() {
  return QCoreApplication::translate(
             "HelpText",
             "<h2>Бой</h2> "
             "<p>Каждый ход отметьте, куда бить (голова, торс, живот, ноги) и что блокировать, и "
             "нажмите "
             "«Ход». На ход у Вас %1 ОД (очков действия). Первый и второй удар стоят по %2 ОД, "
             "третий "
             "и четвёртый — по %3 (всего %2, %4, %5, %6); блок стоит %7 ОД. Без щита можно "
             "поставить не "
             "больше двух блоков, со щитом — все четыре. Сначала бьёт соперник, потом Вы. Соперник "
             "с одним ударом блокирует три зоны из четырёх, с двумя ударами — две.</p> "
             "<p>Между ходами можно выпить зелье с пояса или прочитать свиток из кармана: это не "
             "стоит ни "
             "ОД, ни хода. Бой кончается, когда у кого-то меньше 1 ХП; «Сдаться» — поражение без "
             "опыта. "
             "После боя ХП восстанавливаются полностью. Победа приносит боевой опыт, иногда "
             "деньги, "
             "камень или вещь соперника.</p> "
             "<h3>Что значат Ваши значения</h3> "
             "<ul> "
             "<li><b>ХП</b> — очки жизни.</li> "
             "<li><b>Удар</b> — урон удара: от 4/3 до 5/3 Удара и ещё сотая часть произведения "
             "Удара "
             "и Силы.</li> "
             "<li><b>Сила</b> — добавляет урон; вместе с Классом брони и Удачей пробивает блок "
             "соперника "
             "и держит Ваш.</li> "
             "<li><b>Ловкость</b> — помогает увернуться, попасть, ударить критом и устоять против "
             "крита.</li> "
             "<li><b>Удача</b> — участвует во всех проверках: уворот, пробой блока, крит.</li> "
             "<li><b>Здоровье</b> — каждый стат в Здоровье даёт 10 ХП; зелья и свитки требуют "
             "Здоровья.</li> "
             "<li><b>Класс брони</b> — вычитается из урона: при обычном ударе 0,8 КБ, при крите "
             "весь КБ; "
             "пробитый блок сперва вдвое уменьшает урон, потом вычитается 4/7 КБ (при крите "
             "2/3).</li> "
             "<li><b>Уловка</b> — шанс увернуться от удара соперника, против его Точности.</li> "
             "<li><b>Точность</b> — не даёт сопернику увернуться, против его Уловки.</li> "
             "<li><b>Сокрушение</b> — шанс критического удара (урон в 1,75 раза), против Стойкости "
             "соперника.</li> "
             "<li><b>Стойкость</b> — защищает от критов соперника.</li> "
             "</ul> "
             "<p>Каждая проверка сравнивает две суммы: главное значение, 2/15 второго и треть "
             "третьего. "
             "Уворот: Ловкость, Уловка и Удача того, кто уворачивается, против Ловкости, Точности "
             "и "
             "Удачи "
             "бьющего. Пробой блока: Сила, Класс брони и Удача с обеих сторон. Крит: Удача, "
             "Сокрушение "
             "и Ловкость бьющего против Удачи, Стойкости и Ловкости защищающегося. При равных "
             "суммах "
             "увернуться нельзя, блок пробивается в одном случае из пяти, крит бывает в одном из "
             "десяти; "
             "кто вдвое сильнее, тот всегда уворачивается, пробивает и бьёт критом.</p>")
      .arg(GameState{}.AttOD)
      .arg(kStrikeCost)
      .arg(kStrikeCost + kExtraStrikeCost)
      .arg(2 * kStrikeCost)
      .arg(3 * kStrikeCost + kExtraStrikeCost)
      .arg(4 * kStrikeCost + 2 * kExtraStrikeCost)
      .arg(kBlockCost);
}

QString MovesAndOpponents() {
  return QCoreApplication::translate(
      "HelpText",
      "<h3>Ход за ходом</h3> "
      "<p>После каждого хода все флажки снимаются, и ОД возвращаются; над флажками — номер "
      "хода. «Повторить» (G) ставит флажки прошлого хода и нажимает «Ход»; «Автобой» (F) "
      "делает это сам, ход за ходом, так что видно каждый ход. Он останавливается в конце "
      "боя, когда выходит следующий соперник, когда ход не удался (не хватает ОД) и когда "
      "Ваши ХП падают ниже порога под кнопкой (в процентах от наибольших ХП); любая клавиша "
      "или щелчок только останавливают его, ничего больше не нажимая.</p> "
      "<p>Если напали двое или трое, они дерутся с Вами по одному: бьёт и получает удары "
      "только текущий соперник, справа. «Сменить» ставит против Вас следующего живого "
      "соперника; это не стоит хода, но снимает флажки. Когда текущий повержен, следующий "
      "выходит сам. Опыт платится в конце боя за всех сразу, с надбавкой за число "
      "нападавших; поражение после хотя бы одной победы в этом бою даёт пятую часть, "
      "«Сдаться» — ничего.</p>");
}

QString Character() {
  return QCoreApplication::translate(
      "HelpText",
      "<h2>Персонаж и вещи</h2> "
      "<p>Чтобы снять вещь, щёлкните по её картинке на фигуре в «Инвентаре»: вещь вернётся в "
      "рюкзак. На странице «Персонаж» — «Победы», «Поражения» и «Ничьи»: счёт Ваших боёв "
      "(сдача и закрытие окна боя — поражения); «Образы» — выбор картинки персонажа, на бой "
      "она не влияет.</p>");
}

QString Levels() {
  return QCoreApplication::translate(
      "HelpText",
      "<h2>Опыт и уровни</h2> "
      "<p>Боевой и мирный опыт складываются; второй уровень — на 2500. Каждый уровень даёт статы "
      "(Сила, Ловкость, Удача, Здоровье — кнопки «+» в инвентаре и на странице персонажа), умения "
      "(Странник, Лесоруб — на странице персонажа) и деньги.</p> "
      "<p>Камни из добычи кладите в «Бонусы» (до пяти): они прибавляют свои значения. Три "
      "одинаковых камня «Превратить» можно в один камень следующего уровня.</p>");
}

// A table of the kinds of one shop tab: name, what it does, the health it needs.
QString ItemTable(ShopCategory category) {
  QString rows;
  for (const ItemKind* kind : ShopKinds(category)) {
    if (kind->healthRequirement == 0) continue;
    QString effect;
    for (const std::string& line : kind->effectLines) {
      if (!effect.isEmpty()) effect += "; ";
      effect += Text(mg::translate("ItemDescription", line.c_str()));
    }
    if (!kind->requirementNote.empty())
      effect += "; " + Text(mg::translate("ItemDescription", kind->requirementNote.c_str()));
    rows += QString("<tr><td>%1</td><td>%2</td><td align=\"center\">%3</td></tr>")
                .arg(Text(DisplayName(kind->name)), effect)
                .arg(kind->healthRequirement);
  }
  return "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr><th>" +
         QCoreApplication::translate("HelpText", "Название") + "</th><th>" +
         QCoreApplication::translate("HelpText", "Действие") + "</th><th>" +
         QCoreApplication::translate("HelpText", "Здоровье") + "</th></tr>" + rows + "</table>";
}

QString PotionsAndScrolls() {
  return QCoreApplication::translate(
             "HelpText",
             "<h2>Зелья и свитки</h2> "
             "<p>Надетое зелье ложится в один из трёх карманов пояса, свиток — в карман; в бою "
             "нажмите на "
             "его картинку. Прибавки считаются от значений начала боя и держатся до его конца.</p> "
             "%1 "
             "<p></p> "
             "%2 "
             "<p>МФ — это Уловка, Точность, Сокрушение и Стойкость.</p> "
             "<p>Три свитка читаются прямо из рюкзака («Применить»):</p> "
             "<ul> "
             "<li><b>Свиток боя</b> — вне города монстры нападут в следующую же секунду.</li> "
             "<li><b>Свиток телепорта в город</b> — прерывает переход или рубку и переносит в "
             "город.</li> "
             "<li><b>Свиток телепорта к Мастеру</b> — бой с Мастером, откуда угодно.</li> "
             "</ul>")
      .arg(ItemTable(ShopCategory::Zelik), ItemTable(ShopCategory::Svitok));
}

QString Keys() {
  return QCoreApplication::translate(
      "HelpText",
      "<h2>Клавиши</h2> "
      "<table cellspacing=\"0\" cellpadding=\"3\"> "
      "<tr><td><b>F1</b></td><td>эта справка, на любом экране; пока она открыта, мир "
      "стоит</td></tr> "
      "<tr><td><b>Tab, Shift+Tab</b></td><td>следующий и предыдущий элемент экрана</td></tr> "
      "<tr><td><b>Пробел, Enter</b></td><td>нажать кнопку, отметить флажок, выбрать "
      "картинку</td></tr> "
      "<tr><td><b>Стрелки</b></td><td>на карте — по местам; Enter или Пробел — идти туда</td></tr> "
      "<tr><td><b>1, 2, 3, 4</b></td><td>в бою — удар в голову, торс, живот, по ногам</td></tr> "
      "<tr><td><b>Q, W, E, R</b> (Й, Ц, У, К)</td><td>в бою — блок головы, торса, живота, "
      "ног</td></tr> "
      "<tr><td><b>Enter</b></td><td>в бою — «Ход»; на входе — «Войти»</td></tr> "
      "<tr><td><b>G</b> (П)</td><td>в бою — «Повторить»: прошлый ход ещё раз</td></tr> "
      "<tr><td><b>F</b> (А)</td><td>в бою — «Автобой»; любая клавиша его остановит</td></tr> "
      "<tr><td><b>Ctrl+Tab, Ctrl+Shift+Tab</b></td><td>в магазине — следующий и предыдущий раздел "
      "(и стрелки на вкладке)</td></tr> "
      "<tr><td><b>Esc</b></td><td>вернуться в меню из магазина, инвентаря и персонажа; в бою — "
      "«Сдаться»; в меню и на входе — выход из игры без сохранения (если после "
      "сохранения что-то изменилось, игра сначала спросит)</td></tr> "
      "</table>");
}

QString Recordings(const QString& folder) {
  return QCoreApplication::translate(
             "HelpText",
             "<h2>Записи игр</h2> "
             "<p>Каждая игра записывается в папку %1 (хранятся десять последних). Если что-то "
             "пошло не так, приложите последнюю запись к сообщению об ошибке: «morrowgate "
             "--replay ФАЙЛ» покажет любому, что именно произошло. Пароль в запись не "
             "попадает.</p>")
      .arg(folder.toHtmlEscaped());
}

}  // namespace

QString HelpText(const QString& recordingsFolder) {
  return "<h1>Off-Line Morrowgate</h1>" + FirstSteps() + Map() + Fight() + MovesAndOpponents() +
         Levels() + Character() + WoodCutting() + PotionsAndScrolls() + Keys() +
         Recordings(recordingsFolder);
}
