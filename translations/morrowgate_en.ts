<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
    <context>
        <name>Attacker</name>
        <message numerus="yes">
            <source>Крыса</source>
            <translation>
                <numerusform>a rat</numerusform>
                <numerusform>rats</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Кабан</source>
            <translation>
                <numerusform>a boar</numerusform>
                <numerusform>boars</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Паук</source>
            <translation>
                <numerusform>a spider</numerusform>
                <numerusform>spiders</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Призрак</source>
            <translation>
                <numerusform>a ghost</numerusform>
                <numerusform>ghosts</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Скелет</source>
            <translation>
                <numerusform>a skeleton</numerusform>
                <numerusform>skeletons</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Зомби</source>
            <translation>
                <numerusform>a zombie</numerusform>
                <numerusform>zombies</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Гоблин</source>
            <translation>
                <numerusform>a goblin</numerusform>
                <numerusform>goblins</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Орк</source>
            <translation>
                <numerusform>an orc</numerusform>
                <numerusform>orcs</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Тролль</source>
            <translation>
                <numerusform>a troll</numerusform>
                <numerusform>trolls</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Огр</source>
            <translation>
                <numerusform>an ogre</numerusform>
                <numerusform>ogres</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Дракон</source>
            <translation>
                <numerusform>a dragon</numerusform>
                <numerusform>dragons</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Хранитель врат</source>
            <translation>
                <numerusform>a Gatekeeper</numerusform>
                <numerusform>Gatekeepers</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Дозорный леса</source>
            <translation>
                <numerusform>a Forest Sentinel</numerusform>
                <numerusform>Forest Sentinels</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Ангел судьбы</source>
            <translation>
                <numerusform>an Angel of Fate</numerusform>
                <numerusform>Angels of Fate</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Ледяной</source>
            <translation>
                <numerusform>an Icy One</numerusform>
                <numerusform>Icy Ones</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Равновесие</source>
            <translation>
                <numerusform>the Balance</numerusform>
                <numerusform>Balances</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Разрушитель</source>
            <translation>
                <numerusform>a Destroyer</numerusform>
                <numerusform>Destroyers</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Охранник тьмы</source>
            <translation>
                <numerusform>a Dark Guard</numerusform>
                <numerusform>Dark Guards</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Воин света</source>
            <translation>
                <numerusform>a Warrior of Light</numerusform>
                <numerusform>Warriors of Light</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Воин тьмы</source>
            <translation>
                <numerusform>a Warrior of Darkness</numerusform>
                <numerusform>Warriors of Darkness</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Друг Мастера</source>
            <translation>
                <numerusform>the Master's Friend</numerusform>
                <numerusform>Master's Friends</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Caption</name>
        <message>
            <source>Ошибка</source>
            <translation>Error</translation>
        </message>
    </context>
    <context>
        <name>Counting</name>
        <message numerus="yes">
            <source>Осталось: %n умений.</source>
            <translation>
                <numerusform>%n skill point left.</numerusform>
                <numerusform>%n skill points left.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Осталось: %n статов.</source>
            <translation>
                <numerusform>%n stat point left.</numerusform>
                <numerusform>%n stat points left.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Encounter</name>
        <message>
            <source>На Вас напала: %1.</source>
            <translation>%1 attacks you.</translation>
        </message>
        <message>
            <source>На Вас напало: %1.</source>
            <translation>%1 attacks you.</translation>
        </message>
        <message>
            <source>На Вас напал: %1.</source>
            <translation>%1 attacks you.</translation>
        </message>
        <message>
            <source>На Вас напали: %1 и %2.</source>
            <translation>%1 and %2 attack you.</translation>
        </message>
        <message>
            <source>На Вас напали: %1, %2 и %3.</source>
            <translation>%1, %2 and %3 attack you.</translation>
        </message>
        <message>
            <source>На Вас напали: %1 и %1.</source>
            <translation>Two %1 attack you.</translation>
        </message>
        <message>
            <source>На Вас напали: %1, %1 и %1.</source>
            <translation>Three %1 attack you.</translation>
        </message>
        <message>
            <source>На Вас напали: %1, %1 и %2.</source>
            <translation>Two %1 and %2 attack you.</translation>
        </message>
        <message>
            <source>На Вас напали: %1, %2 и %1.</source>
            <translation>Two %1 and %2 attack you.</translation>
        </message>
        <message>
            <source>На Вас напали: %1, %2 и %2.</source>
            <translation>%1 and two %2 attack you.</translation>
        </message>
    </context>
    <context>
        <name>Fight</name>
        <message>
            <source>Бой закончен. %1 Получено боевого опыта: %2.</source>
            <translation>The fight is over. %1 Combat experience gained: %2.</translation>
        </message>
        <message>
            <source>Ничья.</source>
            <translation>A draw.</translation>
        </message>
        <message>
            <source>Вы проиграли.</source>
            <translation>You lost.</translation>
        </message>
        <message>
            <source>Вы победили.</source>
            <translation>You won.</translation>
        </message>
        <message>
            <source>Вы сдались.</source>
            <translation>You gave up.</translation>
        </message>
        <message>
            <source>Использовано зелье просветления.</source>
            <translation>Potion of Insight used.</translation>
        </message>
        <message>
            <source>Использовано зелье яда.</source>
            <translation>Poison Potion used.</translation>
        </message>
        <message>
            <source>Использовано зелье силы.</source>
            <translation>Strength Potion used.</translation>
        </message>
        <message>
            <source>Использовано зелье ловкости.</source>
            <translation>Agility Potion used.</translation>
        </message>
        <message>
            <source>Использовано зелье удачи.</source>
            <translation>Luck Potion used.</translation>
        </message>
        <message>
            <source>Использовано зелье ХП.</source>
            <translation>HP Potion used.</translation>
        </message>
        <message>
            <source>Использовано зелье загрубелой кожи.</source>
            <translation>Thick Skin Potion used.</translation>
        </message>
        <message>
            <source>Использовано зелье колкости.</source>
            <translation>Sharpness Potion used.</translation>
        </message>
        <message>
            <source>Использовано зелье панциря.</source>
            <translation>Carapace Potion used.</translation>
        </message>
        <message>
            <source>Использовано зелье подвижности.</source>
            <translation>Swiftness Potion used.</translation>
        </message>
        <message>
            <source>Использован свиток силы.</source>
            <translation>Scroll of Strength read.</translation>
        </message>
        <message>
            <source>Использован свиток ХП.</source>
            <translation>Scroll of HP read.</translation>
        </message>
        <message>
            <source>Использован свиток каменной кожи.</source>
            <translation>Scroll of Stone Skin read.</translation>
        </message>
        <message>
            <source>Использован свиток ярости.</source>
            <translation>Scroll of Fury read.</translation>
        </message>
        <message>
            <source>Использован свиток проклятия.</source>
            <translation>Scroll of Curse read.</translation>
        </message>
        <message>
            <source>Использован свиток величия.</source>
            <translation>Scroll of Greatness read.</translation>
        </message>
        <message>
            <source>Использован свиток женской злости.</source>
            <translation>Scroll of Woman's Wrath read.</translation>
        </message>
        <message>
            <source>Использован свиток урагана.</source>
            <translation>Scroll of Hurricane read.</translation>
        </message>
        <message>
            <source>Вы уже один раз использовали зелье яда в этом бою.</source>
            <translation>You have already used a Poison Potion in this fight.</translation>
        </message>
        <message>
            <source>Вы нашли %1.</source>
            <translation>Your loot: %1.</translation>
        </message>
        <message numerus="yes">
            <source>Вы нашли %n руб.</source>
            <translation>
                <numerusform>You found %n rouble.</numerusform>
                <numerusform>You found %n roubles.</numerusform>
            </translation>
        </message>
        <message>
            <source>Ураган поразил соперника на -%1.</source>
            <translation>The hurricane hit the opponent for %1.</translation>
        </message>
        <message>
            <source>Яд поразил соперника на -%1.</source>
            <translation>The poison hit the opponent for %1.</translation>
        </message>
        <message>
            <source>Крыса повержена.</source>
            <translation>The rat is slain.</translation>
        </message>
        <message>
            <source>Кабан повержен.</source>
            <translation>The boar is slain.</translation>
        </message>
        <message>
            <source>Паук повержен.</source>
            <translation>The spider is slain.</translation>
        </message>
        <message>
            <source>Призрак повержен.</source>
            <translation>The ghost is slain.</translation>
        </message>
        <message>
            <source>Скелет повержен.</source>
            <translation>The skeleton is slain.</translation>
        </message>
        <message>
            <source>Зомби повержено.</source>
            <translation>The zombie is slain.</translation>
        </message>
        <message>
            <source>Гоблин повержен.</source>
            <translation>The goblin is slain.</translation>
        </message>
        <message>
            <source>Орк повержен.</source>
            <translation>The orc is slain.</translation>
        </message>
        <message>
            <source>Тролль повержен.</source>
            <translation>The troll is slain.</translation>
        </message>
        <message>
            <source>Огр повержен.</source>
            <translation>The ogre is slain.</translation>
        </message>
        <message>
            <source>Дракон повержен.</source>
            <translation>The dragon is slain.</translation>
        </message>
        <message>
            <source>Хранитель врат повержен.</source>
            <translation>The Gatekeeper is slain.</translation>
        </message>
        <message>
            <source>Дозорный леса повержен.</source>
            <translation>The Forest Sentinel is slain.</translation>
        </message>
        <message>
            <source>Ангел судьбы повержена.</source>
            <translation>The Angel of Fate is slain.</translation>
        </message>
        <message>
            <source>Ледяной повержен.</source>
            <translation>The Icy One is slain.</translation>
        </message>
        <message>
            <source>Равновесие повержено.</source>
            <translation>The Balance is slain.</translation>
        </message>
        <message>
            <source>Разрушитель повержен.</source>
            <translation>The Destroyer is slain.</translation>
        </message>
        <message>
            <source>Охранник тьмы повержен.</source>
            <translation>The Dark Guard is slain.</translation>
        </message>
        <message>
            <source>Воин света повержен.</source>
            <translation>The Warrior of Light is slain.</translation>
        </message>
        <message>
            <source>Воин тьмы повержен.</source>
            <translation>The Warrior of Darkness is slain.</translation>
        </message>
        <message>
            <source>Друг Мастера повержен.</source>
            <translation>The Master's Friend is slain.</translation>
        </message>
        <message>
            <source>Мастер повержен.</source>
            <translation>The Master is slain.</translation>
        </message>
        <message>
            <source>Удар в голову</source>
            <translation>Strike the head</translation>
        </message>
        <message>
            <source>Удар в торс</source>
            <translation>Strike the torso</translation>
        </message>
        <message>
            <source>Удар в живот</source>
            <translation>Strike the belly</translation>
        </message>
        <message>
            <source>Удар по ногам</source>
            <translation>Strike the legs</translation>
        </message>
        <message>
            <source>Блок головы</source>
            <translation>Block the head</translation>
        </message>
        <message>
            <source>Блок торса</source>
            <translation>Block the torso</translation>
        </message>
        <message>
            <source>Блок живота</source>
            <translation>Block the belly</translation>
        </message>
        <message>
            <source>Блок ног</source>
            <translation>Block the legs</translation>
        </message>
        <message>
            <source>Нанесённый Вами урон: </source>
            <translation>Damage you dealt: </translation>
        </message>
        <message>
            <source>Нанесённый соперником(ами) урон: </source>
            <translation>Damage from opponents: </translation>
        </message>
        <message>
            <source>Кол-во оставшихся ОД: </source>
            <translation>Action points left: </translation>
        </message>
        <message>
            <source>Q (Й)</source>
            <translation>Q</translation>
        </message>
        <message>
            <source>W (Ц)</source>
            <translation>W</translation>
        </message>
        <message>
            <source>E (У)</source>
            <translation>E</translation>
        </message>
        <message>
            <source>R (К)</source>
            <translation>R</translation>
        </message>
        <message>
            <source>в голову</source>
            <translation>head</translation>
        </message>
        <message>
            <source>в торс</source>
            <translation>torso</translation>
        </message>
        <message>
            <source>в живот</source>
            <translation>belly</translation>
        </message>
        <message>
            <source>в ноги</source>
            <translation>legs</translation>
        </message>
        <message>
            <source>Вы увернулись от удара (%1).</source>
            <translation>You dodged a strike to the %1.</translation>
        </message>
        <message>
            <source>Вы заблокировали удар (%1).</source>
            <translation>You blocked a strike to the %1.</translation>
        </message>
        <message>
            <source>Соперник увернулся от удара (%1).</source>
            <translation>The opponent dodged your strike to the %1.</translation>
        </message>
        <message>
            <source>Соперник заблокировал удар (%1).</source>
            <translation>The opponent blocked your strike to the %1.</translation>
        </message>
        <message>
            <source>Соперник поразил на -%1 (%2).</source>
            <translation>The opponent hit your %2 for %1.</translation>
        </message>
        <message>
            <source>Соперник поразил критом на -%1 (%2).</source>
            <translation>The opponent's critical hit struck your %2 for %1.</translation>
        </message>
        <message>
            <source>Соперник пробил блок на -%1 (%2).</source>
            <translation>The opponent hit your %2 through the block for %1.</translation>
        </message>
        <message>
            <source>Соперник пробил блок критом на -%1 (%2).</source>
            <translation>The opponent's critical hit broke your block: %2, %1.</translation>
        </message>
        <message>
            <source>Вы поразили на -%1 (%2).</source>
            <translation>You hit the opponent's %2 for %1.</translation>
        </message>
        <message>
            <source>Вы поразили критом на -%1 (%2).</source>
            <translation>Your critical hit struck the opponent's %2 for %1.</translation>
        </message>
        <message>
            <source>Вы пробили блок на -%1 (%2).</source>
            <translation>You hit the opponent's %2 through the block for %1.</translation>
        </message>
        <message>
            <source>Вы пробили блок критом на -%1 (%2).</source>
            <translation>Your critical hit broke the opponent's block: %2, %1.</translation>
        </message>
    </context>
    <context>
        <name>HelpText</name>
        <message>
            <source>&lt;h2&gt;Бой&lt;/h2&gt; &lt;p&gt;Каждый ход отметьте, куда бить (голова, торс, живот, ноги) и что блокировать, и нажмите «Ход». На ход у Вас %1 ОД (очков действия). Первый и второй удар стоят по %2 ОД, третий и четвёртый — по %3 (всего %2, %4, %5, %6); блок стоит %7 ОД. Без щита можно поставить не больше двух блоков, со щитом — все четыре. Сначала бьёт соперник, потом Вы. Соперник с одним ударом блокирует три зоны из четырёх, с двумя ударами — две.&lt;/p&gt; &lt;p&gt;Между ходами можно выпить зелье с пояса или прочитать свиток из кармана: это не стоит ни ОД, ни хода. Бой кончается, когда у кого-то меньше 1 ХП; «Сдаться» — поражение без опыта. После боя ХП восстанавливаются полностью. Победа приносит боевой опыт, иногда деньги, камень или вещь соперника.&lt;/p&gt; &lt;h3&gt;Что значат Ваши значения&lt;/h3&gt; &lt;ul&gt; &lt;li&gt;&lt;b&gt;ХП&lt;/b&gt; — очки жизни.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Удар&lt;/b&gt; — урон удара: от 4/3 до 5/3 Удара и ещё сотая часть произведения Удара и Силы.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Сила&lt;/b&gt; — добавляет урон; вместе с Классом брони и Удачей пробивает блок соперника и держит Ваш.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Ловкость&lt;/b&gt; — помогает увернуться, попасть, ударить критом и устоять против крита.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Удача&lt;/b&gt; — участвует во всех проверках: уворот, пробой блока, крит.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Здоровье&lt;/b&gt; — каждый стат в Здоровье даёт 10 ХП; зелья и свитки требуют Здоровья.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Класс брони&lt;/b&gt; — вычитается из урона: при обычном ударе 0,8 КБ, при крите весь КБ; пробитый блок сперва вдвое уменьшает урон, потом вычитается 4/7 КБ (при крите 2/3).&lt;/li&gt; &lt;li&gt;&lt;b&gt;Уловка&lt;/b&gt; — шанс увернуться от удара соперника, против его Точности.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Точность&lt;/b&gt; — не даёт сопернику увернуться, против его Уловки.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Сокрушение&lt;/b&gt; — шанс критического удара (урон в 1,75 раза), против Стойкости соперника.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Стойкость&lt;/b&gt; — защищает от критов соперника.&lt;/li&gt; &lt;/ul&gt; &lt;p&gt;Каждая проверка сравнивает две суммы: главное значение, 2/15 второго и треть третьего. Уворот: Ловкость, Уловка и Удача того, кто уворачивается, против Ловкости, Точности и Удачи бьющего. Пробой блока: Сила, Класс брони и Удача с обеих сторон. Крит: Удача, Сокрушение и Ловкость бьющего против Удачи, Стойкости и Ловкости защищающегося. При равных суммах увернуться нельзя, блок пробивается в одном случае из пяти, крит бывает в одном из десяти; кто вдвое сильнее, тот всегда уворачивается, пробивает и бьёт критом.&lt;/p&gt;</source>
            <translation>&lt;h2&gt;Fighting&lt;/h2&gt; &lt;p&gt;Each move, tick where to strike (head, torso, belly, legs) and what to block, and press “Move”. You have %1 AP (action points) a move. The first and second strikes cost %2 AP each, the third and fourth %3 each (%2, %4, %5, %6 in all); a block costs %7 AP. Without a shield you can set at most two blocks, with a shield all four. Your opponent strikes first, then you. An opponent with one strike blocks three zones of four; one with two strikes blocks two.&lt;/p&gt; &lt;p&gt;Between moves you can drink a potion from your belt or read a scroll from your pocket: it costs neither AP nor a move. The fight ends when someone has less than 1 HP; “Give up” is a defeat without experience. After a fight your HP are restored in full. A victory brings combat experience, and sometimes money, a gem or the opponent's item.&lt;/p&gt; &lt;h3&gt;What your values mean&lt;/h3&gt; &lt;ul&gt; &lt;li&gt;&lt;b&gt;HP&lt;/b&gt; — hit points, your life.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Strike&lt;/b&gt; — the damage of a strike, from 4/3 to 5/3 of Strike plus a hundredth of Strike times Strength.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Strength&lt;/b&gt; — adds damage; with Armour class and Luck it breaks the opponent's block and holds your own.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Agility&lt;/b&gt; — helps you dodge, land a strike, land a critical hit and withstand one.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Luck&lt;/b&gt; — takes part in every check: dodging, breaking a block, critical hits.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Health&lt;/b&gt; — each stat point in Health gives 10 HP; potions and scrolls require Health.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Armour class&lt;/b&gt; — taken off the damage: 0.8 AC from an ordinary strike, the whole AC from a critical hit; a broken block first halves the damage, then 4/7 of the AC is taken off (2/3 on a critical hit).&lt;/li&gt; &lt;li&gt;&lt;b&gt;Evasion&lt;/b&gt; — the chance to dodge the opponent's strike, against the opponent's Accuracy.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Accuracy&lt;/b&gt; — keeps the opponent from dodging, against the opponent's Evasion.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Crushing&lt;/b&gt; — the chance of a critical hit, a strike that does 1.75 times the damage, against the opponent's Toughness.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Toughness&lt;/b&gt; — guards against the opponent's critical hits.&lt;/li&gt; &lt;/ul&gt; &lt;p&gt;Every check compares two sums: the main value, 2/15 of the second and a third of the third. Dodging: the Agility, Evasion and Luck of the one who dodges against the Agility, Accuracy and Luck of the one who strikes. Breaking a block: Strength, Armour class and Luck on both sides. Critical hit: the striker's Luck, Crushing and Agility against the defender's Luck, Toughness and Agility. With equal sums nobody dodges, a block breaks one time in five and a critical hit comes one time in ten; whoever is twice as strong always dodges, always breaks the block and always lands a critical hit.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;h2&gt;Опыт и уровни&lt;/h2&gt; &lt;p&gt;Боевой и мирный опыт складываются; второй уровень — на 2500. Каждый уровень даёт статы (Сила, Ловкость, Удача, Здоровье — кнопки «+» в инвентаре и на странице персонажа), умения (Странник, Лесоруб — на странице персонажа) и деньги.&lt;/p&gt; &lt;p&gt;Камни из добычи кладите в «Бонусы» (до пяти): они прибавляют свои значения. Три одинаковых камня «Превратить» можно в один камень следующего уровня.&lt;/p&gt;</source>
            <translation>&lt;h2&gt;Experience and levels&lt;/h2&gt; &lt;p&gt;Combat experience and peaceful experience add up; the second level comes at 2500. Each level gives stat points (Strength, Agility, Luck, Health — the “+” buttons in the inventory and on the character page), skill points (Wayfaring, Woodcutting — on the character page) and money.&lt;/p&gt; &lt;p&gt;Put the gems from your loot into the “Bonuses” (up to five): they add their values to yours. Three identical gems can be turned into one gem of the next level with “Combine”.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>Название</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Действие</source>
            <translation>Effect</translation>
        </message>
        <message>
            <source>Здоровье</source>
            <translation>Health</translation>
        </message>
        <message>
            <source>&lt;h2&gt;Зелья и свитки&lt;/h2&gt; &lt;p&gt;Надетое зелье ложится в один из трёх карманов пояса, свиток — в карман; в бою нажмите на его картинку. Прибавки считаются от значений начала боя и держатся до его конца.&lt;/p&gt; %1 &lt;p&gt;&lt;/p&gt; %2 &lt;p&gt;МФ — это Уловка, Точность, Сокрушение и Стойкость.&lt;/p&gt; &lt;p&gt;Три свитка читаются прямо из рюкзака («Применить»):&lt;/p&gt; &lt;ul&gt; &lt;li&gt;&lt;b&gt;Свиток боя&lt;/b&gt; — вне города монстры нападут в следующую же секунду.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Свиток телепорта в город&lt;/b&gt; — прерывает переход или рубку и переносит в город.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Свиток телепорта к Мастеру&lt;/b&gt; — бой с Мастером, откуда угодно.&lt;/li&gt; &lt;/ul&gt;</source>
            <translation>&lt;h2&gt;Potions and scrolls&lt;/h2&gt; &lt;p&gt;A potion you put on goes into one of the three pockets of your belt, a scroll into your pocket; in a fight, click its picture. The gains are reckoned from your values at the start of the fight and last until its end.&lt;/p&gt; %1 &lt;p&gt;&lt;/p&gt; %2 &lt;p&gt;Modifiers are Evasion, Accuracy, Crushing and Toughness.&lt;/p&gt; &lt;p&gt;Three scrolls are read straight from the backpack (“Use”):&lt;/p&gt; &lt;ul&gt; &lt;li&gt;&lt;b&gt;Scroll of Battle&lt;/b&gt; — outside the town, monsters attack the very next second.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Scroll of Teleport to Town&lt;/b&gt; — breaks off a journey or wood cutting and takes you to the town.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Scroll of Teleport to the Master&lt;/b&gt; — a fight with the Master, from anywhere.&lt;/li&gt; &lt;/ul&gt;</translation>
        </message>
        <message>
            <source>&lt;h2&gt;Первые шаги&lt;/h2&gt; &lt;p&gt;Введите ник и пароль и нажмите «Войти»: новый ник регистрируется, знакомый загружается. Меню — это карта мира. Ваше место отмечено особой картинкой и подсказкой «Ваше местоположение».&lt;/p&gt; &lt;p&gt;С голыми руками не победить даже крысу: она увернётся от каждого удара. Поэтому сначала зайдите в «Магазин» и потратьте %1 руб. на броню для каждого слота и щит; например, за 1985 руб.: Поющий клинок, Щит покорения, Шлем слепоты, Широкий пояс благородства, Мягкие сапожки, Наручи твёрдости, Перчатки ночного неба, два Кольца долголетия, Доспех равнодушия и Кольчуга заката. Наденьте всё в «Инвентаре» («Надеть»). Зелья вместо брони заметно снижают шансы.&lt;/p&gt; &lt;p&gt;Затем идите на место %2, прямо над городом (номера мест — на карте ниже): там нападают только крысы, одна, две или три. Бой начнётся через 15–29 секунд после прибытия. Первый ход сделайте сами: один удар и три блока (три блока можно только со щитом). После каждого хода флажки снимаются; «Повторить» (клавиша G) ставит те же флажки и делает ход, а «Автобой» (клавиша F) повторяет ход сам, пока бой не кончится, не выйдет следующий соперник или Ваши ХП не упадут ниже порога под кнопкой (сначала треть ХП: время выпить зелье). Любая клавиша или щелчок останавливают автобой.&lt;/p&gt; &lt;p&gt;&lt;b&gt;Чего ждать&lt;/b&gt; (так сыграл бот с этим набором в %3 боях): бой с одной крысой длится обычно %4 ходов (от %5 до %6), победа в %7 % боёв приносит около %8 боевого опыта; с двумя крысами — %9 ходов (%10–%11), победа в %12 %, около %13 опыта; с тремя — %14 ходов (%15–%16), победа в %17 %, около %18 опыта. Второй уровень (%19 опыта) приходит через %20 боёв (от %21 до %22), примерно за %23 минут с автобоем. Поражение ничего не отнимает: ХП восстанавливаются, деньги и вещи остаются, счёт поражений растёт. Не забывайте «Сохранить»: при выходе игра не сохраняется.&lt;/p&gt;</source>
            <translation>&lt;h2&gt;First steps&lt;/h2&gt; &lt;p&gt;Type a nickname and a password and press “Log in”: a new nickname is registered, a known one is loaded. The menu is the map of the world. Your own place is marked with a flag on a compass and the hint “You are here”.&lt;/p&gt; &lt;p&gt;Bare-handed you cannot beat even a rat: it dodges every strike. So first go to the “Shop” and spend your %1 roubles on armour for every slot and a shield; for example, for 1985 roubles: the Singing Blade, Shield of Conquest, Helm of Blindness, Broad Belt of Nobility, Soft Boots, Bracers of Firmness, Night Sky Gloves, two Rings of Longevity, Armour of Indifference and Sunset Chain Mail. Put it all on in the “Inventory” (“Wear”). Buying potions instead of armour makes winning much harder.&lt;/p&gt; &lt;p&gt;Then go to place %2, just above the town (the places' numbers are on the map below): only rats attack there, one, two or three at a time. A fight starts 15–29 seconds after you arrive. Make the first move yourself: one strike and three blocks (three blocks need a shield). After every move the boxes are unticked; “Repeat” (key G) ticks the same boxes and makes the move, and “Auto-fight” (key F) repeats the move by itself until the fight ends, the next opponent steps up or your HP fall below the threshold under the button (at first a third of your HP: time to drink a potion). Any key or click stops the auto-fight.&lt;/p&gt; &lt;p&gt;&lt;b&gt;What to expect&lt;/b&gt; (as a bot played it with this kit in %3 fights): a fight against one rat usually lasts %4 moves (%5 to %6), you win %7 % of them and a win brings about %8 combat experience; against two rats %9 moves (%10–%11), %12 % won, about %13 experience; against three %14 moves (%15–%16), %17 % won, about %18 experience. The second level (%19 experience) comes after %20 fights (%21 to %22), in about %23 minutes with the auto-fight. A lost fight takes nothing away: your HP are restored, your money and items stay, only the tally of defeats grows. Remember to “Save”: the game is not saved when you quit.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>Город: магазин, нападений нет</source>
            <translation>Town: the shop, no attacks</translation>
        </message>
        <message>
            <source>Лес: рубка</source>
            <translation>Forest: cutting wood</translation>
        </message>
        <message>
            <source>с ур. %1</source>
            <translation>from level %1</translation>
        </message>
        <message>
            <source>%1 (с %2-го уровня чаще %3)</source>
            <translation>%1 (from level %2 mostly %3)</translation>
        </message>
        <message>
            <source>&lt;h2&gt;Карта&lt;/h2&gt; &lt;p&gt;Мир — %1 мест в пять столбцов и четыре ряда; номера — как в таблице. Идти можно только на соседнее место, и по диагонали тоже; дальше — «Слишком далеко.». Переход длится от 90 секунд; умение «Странник» сокращает его до 15.&lt;/p&gt; %2 &lt;p&gt;В клетке — кто там нападает, сначала самые частые; в скобках уровень монстра. «С ур. N» — с этого Вашего уровня никто там не выше Вас по уровню. В местах %3 редкий сильный монстр с указанного уровня становится частым. Вне города монстры нападают через 15–29 секунд после прибытия и снова после каждого боя, пока Вы не уйдёте; во время перехода этот отсчёт стоит. &lt;b&gt;Мастер&lt;/b&gt; [22], сильнейший из противников, не бродит по карте: к нему ведёт только «Свиток телепорта к Мастеру».&lt;/p&gt;</source>
            <translation>&lt;h2&gt;The map&lt;/h2&gt; &lt;p&gt;The world is %1 places in five columns and four rows, numbered as in the table. You can only go to a neighbouring place, diagonally too; any other is “Too far away.” A journey takes 90 seconds at first; the Wayfaring skill brings it down to 15.&lt;/p&gt; %2 &lt;p&gt;Each cell names who attacks there, the commonest first, with the monster's level in brackets. “From level N”: from that level of yours on, nobody there is of a higher level than you. At places %3 a rare strong monster becomes the common one from the level given. Outside the town monsters attack 15–29 seconds after you arrive, and again after every fight until you leave; during a journey that countdown stands still. &lt;b&gt;The Master&lt;/b&gt; [22], the strongest opponent of all, does not roam the map: only the “Scroll of Teleport to the Master” leads to him.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;h3&gt;Ход за ходом&lt;/h3&gt; &lt;p&gt;После каждого хода все флажки снимаются, и ОД возвращаются; над флажками — номер хода. «Повторить» (G) ставит флажки прошлого хода и нажимает «Ход»; «Автобой» (F) делает это сам, ход за ходом, так что видно каждый ход. Он останавливается в конце боя, когда выходит следующий соперник, когда ход не удался (не хватает ОД) и когда Ваши ХП падают ниже порога под кнопкой (в процентах от наибольших ХП); любая клавиша или щелчок только останавливают его, ничего больше не нажимая.&lt;/p&gt; &lt;p&gt;Если напали двое или трое, они дерутся с Вами по одному: бьёт и получает удары только текущий соперник, справа. «Сменить» ставит против Вас следующего живого соперника; это не стоит хода, но снимает флажки. Когда текущий повержен, следующий выходит сам. Опыт платится в конце боя за всех сразу, с надбавкой за число нападавших; поражение после хотя бы одной победы в этом бою даёт пятую часть, «Сдаться» — ничего.&lt;/p&gt;</source>
            <translation>&lt;h3&gt;Move by move&lt;/h3&gt; &lt;p&gt;After every move all boxes are unticked and your AP come back; the move's number stands above the boxes. “Repeat” (G) ticks the boxes of the last move and presses “Move”; “Auto-fight” (F) does this by itself, move after move, so that you see every move. It stops at the end of the fight, when the next opponent steps up, when a move is refused (not enough AP) and when your HP fall below the threshold under the button (a percentage of your full HP); any key or click only stops it and presses nothing else.&lt;/p&gt; &lt;p&gt;When two or three attack, they fight you one at a time: only the current opponent, on the right, strikes and is struck. “Switch” sets the next living opponent against you; it costs no move but unticks the boxes. When the current opponent falls, the next one steps up by himself. Experience is paid at the end of the fight for all of them at once, with a bonus for the number of attackers; a defeat after at least one win in that fight pays a fifth, “Give up” nothing.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;h2&gt;Персонаж и вещи&lt;/h2&gt; &lt;p&gt;Чтобы снять вещь, щёлкните по её картинке на фигуре в «Инвентаре»: вещь вернётся в рюкзак. На странице «Персонаж» — «Победы», «Поражения» и «Ничьи»: счёт Ваших боёв (сдача и закрытие окна боя — поражения); «Образы» — выбор картинки персонажа, на бой она не влияет.&lt;/p&gt;</source>
            <translation>&lt;h2&gt;Character and items&lt;/h2&gt; &lt;p&gt;To take an item off, click its picture on the figure in the “Inventory”: the item goes back into the backpack. The “Character” page shows “Victories”, “Defeats” and “Draws”: the tally of your fights (giving up and closing the fight window are defeats); “Avatars” chooses your character's picture, which has no effect in a fight.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;h2&gt;Клавиши&lt;/h2&gt; &lt;table cellspacing="0" cellpadding="3"&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;F1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;эта справка, на любом экране; пока она открыта, мир стоит&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab, Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;следующий и предыдущий элемент экрана&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Пробел, Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;нажать кнопку, отметить флажок, выбрать картинку&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Стрелки&lt;/b&gt;&lt;/td&gt;&lt;td&gt;на карте — по местам; Enter или Пробел — идти туда&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;1, 2, 3, 4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;в бою — удар в голову, торс, живот, по ногам&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Q, W, E, R&lt;/b&gt; (Й, Ц, У, К)&lt;/td&gt;&lt;td&gt;в бою — блок головы, торса, живота, ног&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;в бою — «Ход»; на входе — «Войти»&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;G&lt;/b&gt; (П)&lt;/td&gt;&lt;td&gt;в бою — «Повторить»: прошлый ход ещё раз&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;F&lt;/b&gt; (А)&lt;/td&gt;&lt;td&gt;в бою — «Автобой»; любая клавиша его остановит&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Tab, Ctrl+Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;в магазине — следующий и предыдущий раздел (и стрелки на вкладке)&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Esc&lt;/b&gt;&lt;/td&gt;&lt;td&gt;вернуться в меню из магазина, инвентаря и персонажа; в бою — «Сдаться»; в меню и на входе — выход из игры без сохранения (если после сохранения что-то изменилось, игра сначала спросит)&lt;/td&gt;&lt;/tr&gt; &lt;/table&gt;</source>
            <translation>&lt;h2&gt;Keys&lt;/h2&gt; &lt;table cellspacing="0" cellpadding="3"&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;F1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;this help, on any screen; while it is open the world stands still&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab, Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the next and the previous control on the screen&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Space, Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;press a button, tick a box, choose a picture&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Arrows&lt;/b&gt;&lt;/td&gt;&lt;td&gt;on the map, from place to place; Enter or Space goes there&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;1, 2, 3, 4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;in a fight, strike the head, torso, belly, legs&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Q, W, E, R&lt;/b&gt;&lt;/td&gt;&lt;td&gt;in a fight, block the head, torso, belly, legs&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;in a fight, “Move”; at the login, “Log in”&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;G&lt;/b&gt;&lt;/td&gt;&lt;td&gt;in a fight, “Repeat”: the last move once more&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;in a fight, “Auto-fight”; any key stops it&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Tab, Ctrl+Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;in the shop, the next and the previous tab (and the arrows on the tab bar)&lt;/td&gt;&lt;/tr&gt; &lt;tr&gt;&lt;td&gt;&lt;b&gt;Esc&lt;/b&gt;&lt;/td&gt;&lt;td&gt;back to the menu from the shop, the inventory and the character page; in a fight, “Give up”; in the menu and at the login, quit the game without saving (if anything changed since the last save, the game asks first)&lt;/td&gt;&lt;/tr&gt; &lt;/table&gt;</translation>
        </message>
        <message>
            <source>&lt;h2&gt;Рубка леса&lt;/h2&gt; &lt;p&gt;С «Топором дровосека» в руке в лесу (место %1) появляется кнопка «Рубка»: %2 секунд рубки. Успех решает умение «Лесоруб»: при нуле рубка всегда неудачна, каждая единица добавляет один успешный исход из %3, с %4 рубка удаётся всегда (умения даёт каждый новый уровень, их ставят на странице персонажа). Мирный опыт даётся со второго уровня: на втором %5–%6 за рубку, на десятом %7–%8; до шестого уровня — не больше пяти рубок на уровень.&lt;/p&gt; &lt;p&gt;Это мало: на любом уровне следующий уровень — это %9–%10 рубок, а бой с крысами на первом уровне даёт в среднем %11 опыта. Рубка — не путь наверх, а заработок: поленья продаются по 20 руб. за штуку.&lt;/p&gt; &lt;p&gt;Во время каждой рубки один раз непременно нападут: в лесу это %12, для первого уровня — смерть за ход-два. Это не страшно: проигранный бой или «Сдаться» ничего не отнимают, кроме записи в поражения, а рубка после боя продолжается. Дорога из города в лес (5, 4, 3, 2, 1) обходится без боёв, если не стоять на месте: отсчёт до нападения идёт, только пока Вы стоите, поэтому, придя на место, сразу выбирайте следующее.&lt;/p&gt;</source>
            <translation>&lt;h2&gt;Cutting wood&lt;/h2&gt; &lt;p&gt;With the “Woodcutter's Axe” in your hand, a “Cut wood” button appears in the forest (place %1): %2 seconds of cutting. The Woodcutting skill decides success: at zero a cut always fails, each point adds one successful outcome of %3, and from %4 on a cut always succeeds (every new level gives skill points; spend them on the character page). Peaceful experience comes from the second level on: %5–%6 a cut at the second level, %7–%8 at the tenth; up to the sixth level at most five cuts a level.&lt;/p&gt; &lt;p&gt;That is little: at any level the next level takes %9–%10 cuts, while a fight against rats at the first level brings %11 experience on average. Cutting wood is not the way up but a trade: logs sell for 20 roubles each.&lt;/p&gt; &lt;p&gt;During every cut you are attacked once, without fail: in the forest by %12, death in a move or two at the first level. That does no harm: a lost fight or “Give up” takes nothing but an entry among the defeats, and the cut goes on after the fight. The road from the town to the forest (5, 4, 3, 2, 1) brings no fight if you do not stand still: the countdown to an attack runs only while you stand, so on arriving choose the next place at once.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;h2&gt;Записи игр&lt;/h2&gt; &lt;p&gt;Каждая игра записывается в папку %1 (хранятся десять последних). Если что-то пошло не так, приложите последнюю запись к сообщению об ошибке: «morrowgate --replay ФАЙЛ» покажет любому, что именно произошло. Пароль в запись не попадает.&lt;/p&gt;</source>
            <translation>&lt;h2&gt;Recordings&lt;/h2&gt; &lt;p&gt;Every game is recorded into the folder %1 (the newest ten are kept). If something goes wrong, attach the newest recording to your bug report: “morrowgate --replay FILE” shows anyone exactly what happened. Your password is not recorded.&lt;/p&gt;</translation>
        </message>
    </context>
    <context>
        <name>HelpWindow</name>
        <message>
            <source>Справка</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Закрыть справку</source>
            <translation>Close the help</translation>
        </message>
    </context>
    <context>
        <name>Item</name>
        <message>
            <source>Шлем слепоты</source>
            <translation>Helm of Blindness</translation>
        </message>
        <message>
            <source>Шлем лавы</source>
            <translation>Lava Helm</translation>
        </message>
        <message>
            <source>Шлем исхода</source>
            <translation>Helm of Exodus</translation>
        </message>
        <message>
            <source>Корона великолепия</source>
            <translation>Crown of Splendour</translation>
        </message>
        <message>
            <source>Шлем заката</source>
            <translation>Sunset Helm</translation>
        </message>
        <message>
            <source>Шлем постоянства</source>
            <translation>Helm of Constancy</translation>
        </message>
        <message>
            <source>Шлем приговора</source>
            <translation>Helm of Judgement</translation>
        </message>
        <message>
            <source>Диадема пустынных ветров</source>
            <translation>Desert Wind Diadem</translation>
        </message>
        <message>
            <source>Шлем дракона</source>
            <translation>Dragon Helm</translation>
        </message>
        <message>
            <source>Амулет смертельного взгляда</source>
            <translation>Amulet of the Deadly Gaze</translation>
        </message>
        <message>
            <source>Амулет волхвов</source>
            <translation>Amulet of the Magi</translation>
        </message>
        <message>
            <source>Кулон пустоты</source>
            <translation>Pendant of the Void</translation>
        </message>
        <message>
            <source>Амулет безумной ярости</source>
            <translation>Amulet of Mad Fury</translation>
        </message>
        <message>
            <source>Кулон заката</source>
            <translation>Sunset Pendant</translation>
        </message>
        <message>
            <source>Амулет пустынных ветров</source>
            <translation>Desert Wind Amulet</translation>
        </message>
        <message>
            <source>Кулон дракона</source>
            <translation>Dragon Pendant</translation>
        </message>
        <message>
            <source>Поющий клинок</source>
            <translation>Singing Blade</translation>
        </message>
        <message>
            <source>Рунный меч угрозы</source>
            <translation>Runesword of Menace</translation>
        </message>
        <message>
            <source>Меч заката</source>
            <translation>Sunset Sword</translation>
        </message>
        <message>
            <source>Меч прощения</source>
            <translation>Sword of Mercy</translation>
        </message>
        <message>
            <source>Меч шёпота</source>
            <translation>Sword of Whispers</translation>
        </message>
        <message>
            <source>Меч опустошения</source>
            <translation>Sword of Devastation</translation>
        </message>
        <message>
            <source>Жезл пустынных ветров</source>
            <translation>Desert Wind Sceptre</translation>
        </message>
        <message>
            <source>Меч дракона</source>
            <translation>Dragon Sword</translation>
        </message>
        <message>
            <source>Топор дровосека</source>
            <translation>Woodcutter's Axe</translation>
        </message>
        <message>
            <source>Топор первой битвы</source>
            <translation>Axe of the First Battle</translation>
        </message>
        <message>
            <source>Топор древнего проклятья</source>
            <translation>Axe of the Ancient Curse</translation>
        </message>
        <message>
            <source>Мифический топор</source>
            <translation>Mythic Axe</translation>
        </message>
        <message>
            <source>Топор заката</source>
            <translation>Sunset Axe</translation>
        </message>
        <message>
            <source>Топор повелителя</source>
            <translation>Overlord's Axe</translation>
        </message>
        <message>
            <source>Топор могущества</source>
            <translation>Axe of Might</translation>
        </message>
        <message>
            <source>Топор тишины</source>
            <translation>Axe of Silence</translation>
        </message>
        <message>
            <source>Топор дракона</source>
            <translation>Dragon Axe</translation>
        </message>
        <message>
            <source>Кистень кровавых слёз</source>
            <translation>Flail of Bloody Tears</translation>
        </message>
        <message>
            <source>Молот последней молитвы</source>
            <translation>Hammer of the Last Prayer</translation>
        </message>
        <message>
            <source>Булава неизбежности</source>
            <translation>Mace of Inevitability</translation>
        </message>
        <message>
            <source>Булава заката</source>
            <translation>Sunset Mace</translation>
        </message>
        <message>
            <source>Дубинка стража</source>
            <translation>Warden's Cudgel</translation>
        </message>
        <message>
            <source>Молот неотвратимости</source>
            <translation>Hammer of Doom</translation>
        </message>
        <message>
            <source>Булава дракона</source>
            <translation>Dragon Mace</translation>
        </message>
        <message>
            <source>Кинжал мечтаний</source>
            <translation>Dagger of Dreams</translation>
        </message>
        <message>
            <source>Кинжал ливня</source>
            <translation>Downpour Dagger</translation>
        </message>
        <message>
            <source>Стилет отрицания</source>
            <translation>Stiletto of Denial</translation>
        </message>
        <message>
            <source>Кинжал заката</source>
            <translation>Sunset Dagger</translation>
        </message>
        <message>
            <source>Кинжал последнего вздоха</source>
            <translation>Dagger of the Last Breath</translation>
        </message>
        <message>
            <source>Холодный кинжал</source>
            <translation>Cold Dagger</translation>
        </message>
        <message>
            <source>Нож пустынных ветров</source>
            <translation>Desert Wind Knife</translation>
        </message>
        <message>
            <source>Нож дракона</source>
            <translation>Dragon Knife</translation>
        </message>
        <message>
            <source>Широкий пояс благородства</source>
            <translation>Broad Belt of Nobility</translation>
        </message>
        <message>
            <source>Пояс чёрной росы</source>
            <translation>Belt of Black Dew</translation>
        </message>
        <message>
            <source>Пояс кровавого мщения</source>
            <translation>Belt of Blood Vengeance</translation>
        </message>
        <message>
            <source>Пояс заката</source>
            <translation>Sunset Belt</translation>
        </message>
        <message>
            <source>Пояс пустынных ветров</source>
            <translation>Desert Wind Belt</translation>
        </message>
        <message>
            <source>Пояс дракона</source>
            <translation>Dragon Belt</translation>
        </message>
        <message>
            <source>Мягкие сапожки</source>
            <translation>Soft Boots</translation>
        </message>
        <message>
            <source>Укреплённые сапоги</source>
            <translation>Reinforced Boots</translation>
        </message>
        <message>
            <source>Сапоги безумного бога</source>
            <translation>Boots of the Mad God</translation>
        </message>
        <message>
            <source>Сапоги заката</source>
            <translation>Sunset Boots</translation>
        </message>
        <message>
            <source>Сапожки пустынных ветров</source>
            <translation>Desert Wind Boots</translation>
        </message>
        <message>
            <source>Сапоги дракона</source>
            <translation>Dragon Boots</translation>
        </message>
        <message>
            <source>Наручи твёрдости</source>
            <translation>Bracers of Firmness</translation>
        </message>
        <message>
            <source>Наручи угрозы</source>
            <translation>Bracers of Menace</translation>
        </message>
        <message>
            <source>Наручи содрогания</source>
            <translation>Bracers of Dread</translation>
        </message>
        <message>
            <source>Наручи заката</source>
            <translation>Sunset Bracers</translation>
        </message>
        <message>
            <source>Наручи пустынных ветров</source>
            <translation>Desert Wind Bracers</translation>
        </message>
        <message>
            <source>Наручи дракона</source>
            <translation>Dragon Bracers</translation>
        </message>
        <message>
            <source>Перчатки ночного неба</source>
            <translation>Night Sky Gloves</translation>
        </message>
        <message>
            <source>Перчатки лавы</source>
            <translation>Lava Gloves</translation>
        </message>
        <message>
            <source>Перчатки заката</source>
            <translation>Sunset Gloves</translation>
        </message>
        <message>
            <source>Перчатки безумной ярости</source>
            <translation>Gloves of Mad Fury</translation>
        </message>
        <message>
            <source>Перчатки пустынных ветров</source>
            <translation>Desert Wind Gloves</translation>
        </message>
        <message>
            <source>Перчатки дракона</source>
            <translation>Dragon Gloves</translation>
        </message>
        <message>
            <source>Щит покорения</source>
            <translation>Shield of Conquest</translation>
        </message>
        <message>
            <source>Щит заката</source>
            <translation>Sunset Shield</translation>
        </message>
        <message>
            <source>Щит дракона</source>
            <translation>Dragon Shield</translation>
        </message>
        <message>
            <source>Кольцо провидца</source>
            <translation>Seer's Ring</translation>
        </message>
        <message>
            <source>Кольцо долголетия</source>
            <translation>Ring of Longevity</translation>
        </message>
        <message>
            <source>Кольцо симметрии</source>
            <translation>Ring of Symmetry</translation>
        </message>
        <message>
            <source>Кольцо отваги</source>
            <translation>Ring of Valour</translation>
        </message>
        <message>
            <source>Кольцо прорыва</source>
            <translation>Ring of Breakthrough</translation>
        </message>
        <message>
            <source>Кольцо заката</source>
            <translation>Sunset Ring</translation>
        </message>
        <message>
            <source>Кольцо пустынных ветров</source>
            <translation>Desert Wind Ring</translation>
        </message>
        <message>
            <source>Кольцо дракона</source>
            <translation>Dragon Ring</translation>
        </message>
        <message>
            <source>Доспех равнодушия</source>
            <translation>Armour of Indifference</translation>
        </message>
        <message>
            <source>Рыцарские латы</source>
            <translation>Knight's Plate</translation>
        </message>
        <message>
            <source>Латы покровителя</source>
            <translation>Patron's Plate</translation>
        </message>
        <message>
            <source>Доспех заката</source>
            <translation>Sunset Armour</translation>
        </message>
        <message>
            <source>Мантия пустынных ветров</source>
            <translation>Desert Wind Mantle</translation>
        </message>
        <message>
            <source>Доспех дракона</source>
            <translation>Dragon Armour</translation>
        </message>
        <message>
            <source>Кольчуга заката</source>
            <translation>Sunset Chain Mail</translation>
        </message>
        <message>
            <source>Кольчуга преимущества</source>
            <translation>Chain Mail of Advantage</translation>
        </message>
        <message>
            <source>Кольчуга равновесия</source>
            <translation>Chain Mail of Balance</translation>
        </message>
        <message>
            <source>Кольчуга значимости</source>
            <translation>Chain Mail of Eminence</translation>
        </message>
        <message>
            <source>Кольчуга атаки</source>
            <translation>Chain Mail of Attack</translation>
        </message>
        <message>
            <source>Зелье просветления</source>
            <translation>Potion of Insight</translation>
        </message>
        <message>
            <source>Зелье яда</source>
            <translation>Poison Potion</translation>
        </message>
        <message>
            <source>Зелье силы</source>
            <translation>Strength Potion</translation>
        </message>
        <message>
            <source>Зелье ловкости</source>
            <translation>Agility Potion</translation>
        </message>
        <message>
            <source>Зелье удачи</source>
            <translation>Luck Potion</translation>
        </message>
        <message>
            <source>Зелье ХП</source>
            <translation>HP Potion</translation>
        </message>
        <message>
            <source>Зелье загрубелой кожи</source>
            <translation>Thick Skin Potion</translation>
        </message>
        <message>
            <source>Зелье колкости</source>
            <translation>Sharpness Potion</translation>
        </message>
        <message>
            <source>Зелье панциря</source>
            <translation>Carapace Potion</translation>
        </message>
        <message>
            <source>Зелье подвижности</source>
            <translation>Swiftness Potion</translation>
        </message>
        <message>
            <source>Свиток боя</source>
            <translation>Scroll of Battle</translation>
        </message>
        <message>
            <source>Свиток телепорта в город</source>
            <translation>Scroll of Teleport to Town</translation>
        </message>
        <message>
            <source>Свиток телепорта к Мастеру</source>
            <translation>Scroll of Teleport to the Master</translation>
        </message>
        <message>
            <source>Свиток силы</source>
            <translation>Scroll of Strength</translation>
        </message>
        <message>
            <source>Свиток ХП</source>
            <translation>Scroll of HP</translation>
        </message>
        <message>
            <source>Свиток каменной кожи</source>
            <translation>Scroll of Stone Skin</translation>
        </message>
        <message>
            <source>Свиток ярости</source>
            <translation>Scroll of Fury</translation>
        </message>
        <message>
            <source>Свиток проклятия</source>
            <translation>Scroll of Curse</translation>
        </message>
        <message>
            <source>Свиток величия</source>
            <translation>Scroll of Greatness</translation>
        </message>
        <message>
            <source>Свиток женской злости</source>
            <translation>Scroll of Woman's Wrath</translation>
        </message>
        <message>
            <source>Свиток урагана</source>
            <translation>Scroll of Hurricane</translation>
        </message>
        <message>
            <source>Доспех гоблина</source>
            <translation>Goblin Armour</translation>
        </message>
        <message>
            <source>Каска гоблина</source>
            <translation>Goblin Cap</translation>
        </message>
        <message>
            <source>Наручи гоблина</source>
            <translation>Goblin Bracers</translation>
        </message>
        <message>
            <source>Оберег гоблина</source>
            <translation>Goblin Charm</translation>
        </message>
        <message>
            <source>Палаш гоблина</source>
            <translation>Goblin Broadsword</translation>
        </message>
        <message>
            <source>Перстень гоблина</source>
            <translation>Goblin Signet</translation>
        </message>
        <message>
            <source>Перчатки гоблина</source>
            <translation>Goblin Gloves</translation>
        </message>
        <message>
            <source>Пояс гоблина</source>
            <translation>Goblin Belt</translation>
        </message>
        <message>
            <source>Сандалии гоблина</source>
            <translation>Goblin Sandals</translation>
        </message>
        <message>
            <source>Щит гоблина</source>
            <translation>Goblin Shield</translation>
        </message>
        <message>
            <source>Амулет орка</source>
            <translation>Orc Amulet</translation>
        </message>
        <message>
            <source>Броня орка</source>
            <translation>Orc Armour</translation>
        </message>
        <message>
            <source>Кольцо орка</source>
            <translation>Orc Ring</translation>
        </message>
        <message>
            <source>Наручи орка</source>
            <translation>Orc Bracers</translation>
        </message>
        <message>
            <source>Перчатки орка</source>
            <translation>Orc Gloves</translation>
        </message>
        <message>
            <source>Пояс орка</source>
            <translation>Orc Belt</translation>
        </message>
        <message>
            <source>Сапоги орка</source>
            <translation>Orc Boots</translation>
        </message>
        <message>
            <source>Шлем орка</source>
            <translation>Orc Helm</translation>
        </message>
        <message>
            <source>Щит орка</source>
            <translation>Orc Shield</translation>
        </message>
        <message>
            <source>Ятаган орка</source>
            <translation>Orc Yataghan</translation>
        </message>
        <message>
            <source>Кольцо хранителя</source>
            <translation>Gatekeeper's Ring</translation>
        </message>
        <message>
            <source>Нож хранителя</source>
            <translation>Gatekeeper's Knife</translation>
        </message>
        <message>
            <source>Кольцо леса</source>
            <translation>Forest Ring</translation>
        </message>
        <message>
            <source>Нож леса</source>
            <translation>Forest Knife</translation>
        </message>
        <message>
            <source>Оберег леса</source>
            <translation>Forest Charm</translation>
        </message>
        <message>
            <source>Перчатки леса</source>
            <translation>Forest Gloves</translation>
        </message>
        <message>
            <source>Трезубец леса</source>
            <translation>Forest Trident</translation>
        </message>
        <message>
            <source>Кольцо судьбы</source>
            <translation>Ring of Fate</translation>
        </message>
        <message>
            <source>Нож судьбы</source>
            <translation>Knife of Fate</translation>
        </message>
        <message>
            <source>Перчатки судьбы</source>
            <translation>Gloves of Fate</translation>
        </message>
        <message>
            <source>Броня льда</source>
            <translation>Ice Armour</translation>
        </message>
        <message>
            <source>Клинок льда</source>
            <translation>Ice Blade</translation>
        </message>
        <message>
            <source>Кольцо льда</source>
            <translation>Ice Ring</translation>
        </message>
        <message>
            <source>Броня равновесия</source>
            <translation>Armour of Balance</translation>
        </message>
        <message>
            <source>Наручи равновесия</source>
            <translation>Bracers of Balance</translation>
        </message>
        <message>
            <source>Нож равновесия</source>
            <translation>Knife of Balance</translation>
        </message>
        <message>
            <source>Амулет разрушения</source>
            <translation>Amulet of Ruin</translation>
        </message>
        <message>
            <source>Кольцо разрушения</source>
            <translation>Ring of Ruin</translation>
        </message>
        <message>
            <source>Нож разрушения</source>
            <translation>Knife of Ruin</translation>
        </message>
        <message>
            <source>Оружие разрушения</source>
            <translation>Weapon of Ruin</translation>
        </message>
        <message>
            <source>Перчатки разрушения</source>
            <translation>Gloves of Ruin</translation>
        </message>
        <message>
            <source>Сапоги разрушения</source>
            <translation>Boots of Ruin</translation>
        </message>
        <message>
            <source>Броня охранника</source>
            <translation>Dark Guard's Armour</translation>
        </message>
        <message>
            <source>Дубина охранника</source>
            <translation>Dark Guard's Club</translation>
        </message>
        <message>
            <source>Кольцо охранника</source>
            <translation>Dark Guard's Ring</translation>
        </message>
        <message>
            <source>Наручи охранника</source>
            <translation>Dark Guard's Bracers</translation>
        </message>
        <message>
            <source>Перчатки охранника</source>
            <translation>Dark Guard's Gloves</translation>
        </message>
        <message>
            <source>Пояс охранника</source>
            <translation>Dark Guard's Belt</translation>
        </message>
        <message>
            <source>Сапоги охранника</source>
            <translation>Dark Guard's Boots</translation>
        </message>
        <message>
            <source>Цеп охранника</source>
            <translation>Dark Guard's Flail</translation>
        </message>
        <message>
            <source>Амулет света</source>
            <translation>Amulet of Light</translation>
        </message>
        <message>
            <source>Броня света</source>
            <translation>Armour of Light</translation>
        </message>
        <message>
            <source>Когти света</source>
            <translation>Claws of Light</translation>
        </message>
        <message>
            <source>Кольцо света</source>
            <translation>Ring of Light</translation>
        </message>
        <message>
            <source>Перчатки света</source>
            <translation>Gloves of Light</translation>
        </message>
        <message>
            <source>Сапоги света</source>
            <translation>Boots of Light</translation>
        </message>
        <message>
            <source>Шлем света</source>
            <translation>Helm of Light</translation>
        </message>
        <message>
            <source>Доспех тьмы</source>
            <translation>Armour of Darkness</translation>
        </message>
        <message>
            <source>Кинжал тьмы</source>
            <translation>Dagger of Darkness</translation>
        </message>
        <message>
            <source>Кольцо тьмы</source>
            <translation>Ring of Darkness</translation>
        </message>
        <message>
            <source>Наручи тьмы</source>
            <translation>Bracers of Darkness</translation>
        </message>
        <message>
            <source>Перчатки тьмы</source>
            <translation>Gloves of Darkness</translation>
        </message>
        <message>
            <source>Пояс тьмы</source>
            <translation>Belt of Darkness</translation>
        </message>
        <message>
            <source>Сапоги тьмы</source>
            <translation>Boots of Darkness</translation>
        </message>
        <message>
            <source>Шлем тьмы</source>
            <translation>Helm of Darkness</translation>
        </message>
        <message>
            <source>Алебарда друга</source>
            <translation>Friend's Halberd</translation>
        </message>
        <message>
            <source>Амулет Мастера</source>
            <translation>Master's Amulet</translation>
        </message>
        <message>
            <source>Броня Мастера</source>
            <translation>Master's Armour</translation>
        </message>
        <message>
            <source>Кольцо Мастера</source>
            <translation>Master's Ring</translation>
        </message>
        <message>
            <source>Меч Мастера</source>
            <translation>Master's Sword</translation>
        </message>
        <message>
            <source>Наручи Мастера</source>
            <translation>Master's Bracers</translation>
        </message>
        <message>
            <source>Перчатки Мастера</source>
            <translation>Master's Gloves</translation>
        </message>
        <message>
            <source>Пояс Мастера</source>
            <translation>Master's Belt</translation>
        </message>
        <message>
            <source>Сапоги Мастера</source>
            <translation>Master's Boots</translation>
        </message>
        <message>
            <source>Шлем Мастера</source>
            <translation>Master's Helm</translation>
        </message>
        <message>
            <source>Щит Мастера</source>
            <translation>Master's Shield</translation>
        </message>
        <message>
            <source>Алмаз</source>
            <translation>Diamond</translation>
        </message>
        <message>
            <source>Рубин</source>
            <translation>Ruby</translation>
        </message>
        <message>
            <source>Топаз</source>
            <translation>Topaz</translation>
        </message>
        <message>
            <source>Изумруд</source>
            <translation>Emerald</translation>
        </message>
        <message>
            <source>Сапфир</source>
            <translation>Sapphire</translation>
        </message>
        <message>
            <source>Поленья (1 штука)</source>
            <translation>1 Log</translation>
        </message>
        <message>
            <source>Поленья (2 штуки)</source>
            <translation>2 Logs</translation>
        </message>
        <message>
            <source>Поленья (3 штуки)</source>
            <translation>3 Logs</translation>
        </message>
        <message>
            <source>Поленья (4 штуки)</source>
            <translation>4 Logs</translation>
        </message>
        <message>
            <source>Поленья (5 штук)</source>
            <translation>5 Logs</translation>
        </message>
        <message>
            <source>Пустой слот</source>
            <translation>Empty slot</translation>
        </message>
    </context>
    <context>
        <name>ItemDescription</name>
        <message>
            <source>Опыт за бой: 25%</source>
            <translation>Combat experience: 25%</translation>
        </message>
        <message>
            <source>ХП соперника: -10% за ход</source>
            <translation>Opponent's HP: -10% a move</translation>
        </message>
        <message>
            <source>Максимум = 1 зелье за бой</source>
            <translation>At most 1 potion a fight</translation>
        </message>
        <message>
            <source>Сила: 25%</source>
            <translation>Strength: 25%</translation>
        </message>
        <message>
            <source>Ловкость: 25%</source>
            <translation>Agility: 25%</translation>
        </message>
        <message>
            <source>Удача: 25%</source>
            <translation>Luck: 25%</translation>
        </message>
        <message>
            <source>ХП: 25%</source>
            <translation>HP: 25%</translation>
        </message>
        <message>
            <source>КБ: 25%</source>
            <translation>AC: 25%</translation>
        </message>
        <message>
            <source>Удар: 25%</source>
            <translation>Strike: 25%</translation>
        </message>
        <message>
            <source>Удар: 15%</source>
            <translation>Strike: 15%</translation>
        </message>
        <message>
            <source>КБ: 15%</source>
            <translation>AC: 15%</translation>
        </message>
        <message>
            <source>ОД: 25</source>
            <translation>AP: 25</translation>
        </message>
        <message>
            <source>Начать бой</source>
            <translation>Starts a fight</translation>
        </message>
        <message>
            <source>Сила: 50%</source>
            <translation>Strength: 50%</translation>
        </message>
        <message>
            <source>ХП: 50%</source>
            <translation>HP: 50%</translation>
        </message>
        <message>
            <source>КБ: 50%</source>
            <translation>AC: 50%</translation>
        </message>
        <message>
            <source>Удар: 50%</source>
            <translation>Strike: 50%</translation>
        </message>
        <message>
            <source>Все МФ соперника: -25%</source>
            <translation>Opponent's modifiers: -25%</translation>
        </message>
        <message>
            <source>Все МФ: 25%</source>
            <translation>All modifiers: 25%</translation>
        </message>
        <message>
            <source>ХП соперника: -50%</source>
            <translation>Opponent's HP: -50%</translation>
        </message>
        <message>
            <source>ХП соперника: -25% за ход</source>
            <translation>Opponent's HP: -25% a move</translation>
        </message>
        <message numerus="yes">
            <source>Цена: %1 рублей</source>
            <translation>
                <numerusform>Price: %1 rouble</numerusform>
                <numerusform>Price: %1 roubles</numerusform>
            </translation>
        </message>
        <message>
            <source>Требования:</source>
            <translation>Requirements:</translation>
        </message>
        <message>
            <source>Левел: </source>
            <translation>Level: </translation>
        </message>
        <message>
            <source>Здоровье: </source>
            <translation>Health: </translation>
        </message>
        <message>
            <source>Бонус</source>
            <translation>Bonus</translation>
        </message>
    </context>
    <context>
        <name>Labels</name>
        <message>
            <source>Сила: </source>
            <translation>Strength: </translation>
        </message>
        <message>
            <source>Ловкость: </source>
            <translation>Agility: </translation>
        </message>
        <message>
            <source>Удача: </source>
            <translation>Luck: </translation>
        </message>
        <message>
            <source>Здоровье: </source>
            <translation>Health: </translation>
        </message>
        <message>
            <source>Удар: </source>
            <translation>Strike: </translation>
        </message>
        <message>
            <source>Класс брони: </source>
            <translation>Armour class: </translation>
        </message>
        <message>
            <source>Уловка: </source>
            <translation>Evasion: </translation>
        </message>
        <message>
            <source>Точность: </source>
            <translation>Accuracy: </translation>
        </message>
        <message>
            <source>Сокрушение: </source>
            <translation>Crushing: </translation>
        </message>
        <message>
            <source>Стойкость: </source>
            <translation>Toughness: </translation>
        </message>
        <message>
            <source>Странник: </source>
            <translation>Wayfaring: </translation>
        </message>
        <message>
            <source>Лесоруб: </source>
            <translation>Woodcutting: </translation>
        </message>
        <message>
            <source>] | ХП: [</source>
            <translation>] | HP: [</translation>
        </message>
        <message>
            <source>Мирный опыт: </source>
            <translation>Peaceful XP: </translation>
        </message>
        <message>
            <source>Боевой опыт: </source>
            <translation>Combat XP: </translation>
        </message>
        <message>
            <source>Победы: </source>
            <translation>Victories: </translation>
        </message>
        <message>
            <source>Поражения: </source>
            <translation>Defeats: </translation>
        </message>
        <message>
            <source>Ничьи: </source>
            <translation>Draws: </translation>
        </message>
    </context>
    <context>
        <name>Levels</name>
        <message>
            <source>Получен левел. Вы можете увеличить свои статы в инвентаре.</source>
            <translation>Level up! You can spend your stat points in the inventory.</translation>
        </message>
    </context>
    <context>
        <name>Map</name>
        <message>
            <source>Перемещение ещё: %1 сек.</source>
            <translation>Travelling: %1 s left</translation>
        </message>
        <message>
            <source>Ваше местоположение</source>
            <translation>You are here</translation>
        </message>
        <message>
            <source>Переместиться</source>
            <translation>Travel here</translation>
        </message>
        <message>
            <source>Город (место %1)</source>
            <translation>Town (place %1)</translation>
        </message>
        <message>
            <source>Лес (место %1)</source>
            <translation>Forest (place %1)</translation>
        </message>
        <message>
            <source>Место %1</source>
            <translation>Place %1</translation>
        </message>
    </context>
    <context>
        <name>Monster</name>
        <message>
            <source>Крыса</source>
            <translation>Rat</translation>
        </message>
        <message>
            <source>Кабан</source>
            <translation>Boar</translation>
        </message>
        <message>
            <source>Паук</source>
            <translation>Spider</translation>
        </message>
        <message>
            <source>Призрак</source>
            <translation>Ghost</translation>
        </message>
        <message>
            <source>Скелет</source>
            <translation>Skeleton</translation>
        </message>
        <message>
            <source>Зомби</source>
            <translation>Zombie</translation>
        </message>
        <message>
            <source>Гоблин</source>
            <translation>Goblin</translation>
        </message>
        <message>
            <source>Орк</source>
            <translation>Orc</translation>
        </message>
        <message>
            <source>Тролль</source>
            <translation>Troll</translation>
        </message>
        <message>
            <source>Огр</source>
            <translation>Ogre</translation>
        </message>
        <message>
            <source>Дракон</source>
            <translation>Dragon</translation>
        </message>
        <message>
            <source>Хранитель врат</source>
            <translation>Gatekeeper</translation>
        </message>
        <message>
            <source>Дозорный леса</source>
            <translation>Forest Sentinel</translation>
        </message>
        <message>
            <source>Ангел судьбы</source>
            <translation>Angel of Fate</translation>
        </message>
        <message>
            <source>Ледяной</source>
            <translation>Icy One</translation>
        </message>
        <message>
            <source>Равновесие</source>
            <translation>Balance</translation>
        </message>
        <message>
            <source>Разрушитель</source>
            <translation>Destroyer</translation>
        </message>
        <message>
            <source>Охранник тьмы</source>
            <translation>Dark Guard</translation>
        </message>
        <message>
            <source>Воин света</source>
            <translation>Warrior of Light</translation>
        </message>
        <message>
            <source>Воин тьмы</source>
            <translation>Warrior of Darkness</translation>
        </message>
        <message>
            <source>Друг Мастера</source>
            <translation>Master's Friend</translation>
        </message>
        <message>
            <source>Мастер</source>
            <translation>Master</translation>
        </message>
    </context>
    <context>
        <name>Question</name>
        <message>
            <source>Подтверждение</source>
            <translation>Confirmation</translation>
        </message>
        <message>
            <source>Вы хотите выйти из игры?</source>
            <translation>Do you want to quit the game?</translation>
        </message>
    </context>
    <context>
        <name>SaveCommit</name>
        <message>
            <source>не удаётся завершить прерванное сохранение: %1</source>
            <translation>an interrupted save cannot be finished: %1</translation>
        </message>
        <message>
            <source>не удаётся заменить файл %1</source>
            <translation>file %1 cannot be replaced</translation>
        </message>
        <message>
            <source>не удаётся записать папку save</source>
            <translation>the save folder cannot be written</translation>
        </message>
        <message>
            <source>не удаётся вернуть файл %1</source>
            <translation>file %1 cannot be restored</translation>
        </message>
        <message>
            <source>не удаётся удалить файл %1.new</source>
            <translation>file %1.new cannot be deleted</translation>
        </message>
        <message>
            <source>не удаётся проверить файл %1</source>
            <translation>file %1 cannot be checked</translation>
        </message>
        <message>
            <source>не удаётся создать папку save</source>
            <translation>the save folder cannot be created</translation>
        </message>
        <message>
            <source>на месте файла %1 находится не файл</source>
            <translation>something other than a file stands where file %1 should be</translation>
        </message>
        <message>
            <source>в тексте для файла %1 есть знак, которого нет в кодировке сохранений</source>
            <translation>the text for file %1 has a character the save files' encoding lacks</translation>
        </message>
        <message>
            <source>не удаётся записать файл %1</source>
            <translation>file %1 cannot be written</translation>
        </message>
    </context>
    <context>
        <name>SaveFiles</name>
        <message>
            <source>Файл сохранения %1 не удаётся прочитать.</source>
            <translation>Save file %1 cannot be read.</translation>
        </message>
        <message>
            <source>Файл сохранения %1 повреждён: %2.</source>
            <translation>Save file %1 is damaged: %2.</translation>
        </message>
        <message>
            <source>нет значения %1</source>
            <translation>the value %1 is missing</translation>
        </message>
        <message>
            <source>значение %1 «%2» не является %3</source>
            <translation>the value %1 “%2” is not %3</translation>
        </message>
        <message>
            <source>целым числом</source>
            <translation>a whole number</translation>
        </message>
        <message>
            <source>числом</source>
            <translation>a number</translation>
        </message>
        <message>
            <source>значение %1 «%2» меньше нуля</source>
            <translation>the value %1 “%2” is below zero</translation>
        </message>
        <message>
            <source>файл обрезан</source>
            <translation>the file is cut short</translation>
        </message>
        <message>
            <source>это не сохранённая игра</source>
            <translation>it is not a saved game</translation>
        </message>
        <message>
            <source>значение %1 «%2» вне пределов от %3 до %4</source>
            <translation>the value %1 “%2” is outside %3 to %4</translation>
        </message>
        <message>
            <source>значение %1 «%2» вне допустимых пределов</source>
            <translation>the value %1 “%2” is out of range</translation>
        </message>
        <message>
            <source>файла нет или он не читается</source>
            <translation>the file is missing or cannot be read</translation>
        </message>
        <message>
            <source>он изменился после того, как игра его записала</source>
            <translation>it changed after the game wrote it</translation>
        </message>
        <message>
            <source>в нём есть байт, которого нет в кодировке сохранений</source>
            <translation>it holds a byte the saves' code page does not define</translation>
        </message>
        <message>
            <source>в нём нет сохранённой игры</source>
            <translation>it holds no saved game</translation>
        </message>
        <message>
            <source>файла нет</source>
            <translation>the file is missing</translation>
        </message>
        <message>
            <source>пароль в нём не тот, что в резервной копии</source>
            <translation>its password is not the one in the backup</translation>
        </message>
    </context>
    <context>
        <name>SaveGame</name>
        <message>
            <source>Игра не сохранена: %1. Прежнее сохранение осталось без изменений.</source>
            <translation>The game was not saved: %1. The previous save is unchanged.</translation>
        </message>
        <message>
            <source>Игра сохранена.</source>
            <translation>The game is saved.</translation>
        </message>
        <message>
            <source>Ник «%1» уже в игре: его ведёт другая запущенная копия игры. Закройте её или войдите под другим ником.</source>
            <translation>The nickname “%1” is already in play in another running copy of the game. Close that copy or log in with another nickname.</translation>
        </message>
        <message>
            <source>ник «%1» не годится для имени файла</source>
            <translation>the nickname “%1” cannot be used as a file name</translation>
        </message>
        <message>
            <source>ник «%1» ведёт другая запущенная копия игры</source>
            <translation>another running copy of the game is playing the nickname “%1”</translation>
        </message>
    </context>
    <context>
        <name>Screen</name>
        <message numerus="yes">
            <source>У вас: %1 руб.</source>
            <translation>
                <numerusform>You have %1 rouble</numerusform>
                <numerusform>You have %1 roubles</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>ShopTab</name>
        <message>
            <source>Шлемы</source>
            <translation>Helms</translation>
        </message>
        <message>
            <source>Амулеты</source>
            <translation>Amulets</translation>
        </message>
        <message>
            <source>Мечи</source>
            <translation>Swords</translation>
        </message>
        <message>
            <source>Топоры</source>
            <translation>Axes</translation>
        </message>
        <message>
            <source>Дробящее</source>
            <translation>Blunt</translation>
        </message>
        <message>
            <source>Ножи</source>
            <translation>Daggers</translation>
        </message>
        <message>
            <source>Пояса</source>
            <translation>Belts</translation>
        </message>
        <message>
            <source>Сапоги</source>
            <translation>Boots</translation>
        </message>
        <message>
            <source>Наручи</source>
            <translation>Bracers</translation>
        </message>
        <message>
            <source>Перчатки</source>
            <translation>Gloves</translation>
        </message>
        <message>
            <source>Щиты</source>
            <translation>Shields</translation>
        </message>
        <message>
            <source>Кольца</source>
            <translation>Rings</translation>
        </message>
        <message>
            <source>Доспехи</source>
            <translation>Armour</translation>
        </message>
        <message>
            <source>Кольчуги</source>
            <translation>Chain Mail</translation>
        </message>
        <message>
            <source>Зелья</source>
            <translation>Potions</translation>
        </message>
        <message>
            <source>Свитки</source>
            <translation>Scrolls</translation>
        </message>
    </context>
    <context>
        <name>Slot</name>
        <message>
            <source>Шлем</source>
            <translation>Helm</translation>
        </message>
        <message>
            <source>Амулет</source>
            <translation>Amulet</translation>
        </message>
        <message>
            <source>Оружие</source>
            <translation>Weapon</translation>
        </message>
        <message>
            <source>Пояс</source>
            <translation>Belt</translation>
        </message>
        <message>
            <source>Пояс, карман 1</source>
            <translation>Belt, pocket 1</translation>
        </message>
        <message>
            <source>Пояс, карман 2</source>
            <translation>Belt, pocket 2</translation>
        </message>
        <message>
            <source>Пояс, карман 3</source>
            <translation>Belt, pocket 3</translation>
        </message>
        <message>
            <source>Сапоги</source>
            <translation>Boots</translation>
        </message>
        <message>
            <source>Образ</source>
            <translation>Avatar</translation>
        </message>
        <message>
            <source>Карман</source>
            <translation>Pocket</translation>
        </message>
        <message>
            <source>Свиток в кармане</source>
            <translation>Scroll in the pocket</translation>
        </message>
        <message>
            <source>Наручи</source>
            <translation>Bracers</translation>
        </message>
        <message>
            <source>Перчатки</source>
            <translation>Gloves</translation>
        </message>
        <message>
            <source>Щит</source>
            <translation>Shield</translation>
        </message>
        <message>
            <source>Кольцо 1</source>
            <translation>Ring 1</translation>
        </message>
        <message>
            <source>Кольцо 2</source>
            <translation>Ring 2</translation>
        </message>
        <message>
            <source>Броня</source>
            <translation>Armour</translation>
        </message>
        <message>
            <source>Кольчуга</source>
            <translation>Chain mail</translation>
        </message>
    </context>
    <context>
        <name>Stat</name>
        <message>
            <source>Сила</source>
            <translation>Strength</translation>
        </message>
        <message>
            <source>Ловкость</source>
            <translation>Agility</translation>
        </message>
        <message>
            <source>Удача</source>
            <translation>Luck</translation>
        </message>
        <message>
            <source>Удар</source>
            <translation>Strike</translation>
        </message>
        <message>
            <source>КБ</source>
            <translation>AC</translation>
        </message>
        <message>
            <source>ХП</source>
            <translation>HP</translation>
        </message>
        <message>
            <source>Уловка</source>
            <translation>Evasion</translation>
        </message>
        <message>
            <source>Точность</source>
            <translation>Accuracy</translation>
        </message>
        <message>
            <source>Сокрушение</source>
            <translation>Crushing</translation>
        </message>
        <message>
            <source>Стойкость</source>
            <translation>Toughness</translation>
        </message>
    </context>
    <context>
        <name>TForm1</name>
        <message>
            <source>Ход</source>
            <translation>Move</translation>
        </message>
        <message>
            <source>Походить</source>
            <translation>Make the move</translation>
        </message>
        <message>
            <source>Сменить</source>
            <translation>Switch</translation>
        </message>
        <message>
            <source>Сменить соперника</source>
            <translation>Switch to another opponent</translation>
        </message>
        <message>
            <source>Сдаться</source>
            <translation>Give up</translation>
        </message>
        <message>
            <source>Признать поражение</source>
            <translation>Admit defeat</translation>
        </message>
        <message>
            <source>Клавиша </source>
            <translation>Key </translation>
        </message>
        <message>
            <source>Ошибка</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Вы не выбрали ни одного удара/блока.</source>
            <translation>You have chosen no strike or block.</translation>
        </message>
        <message>
            <source>Вам не хватает ОД для выбранных действий.</source>
            <translation>You lack the action points for these actions.</translation>
        </message>
        <message>
            <source>Соперник, %1</source>
            <translation>Opponent, %1</translation>
        </message>
        <message>
            <source>Ваши удары</source>
            <translation>Your strikes</translation>
        </message>
        <message>
            <source>Удары соперника</source>
            <translation>Opponent's strikes</translation>
        </message>
        <message>
            <source>Ваш образ</source>
            <translation>Your avatar</translation>
        </message>
        <message>
            <source>%1 соперника</source>
            <translation>Opponent's %1</translation>
        </message>
        <message>
            <source>Повторить</source>
            <translation>Repeat</translation>
        </message>
        <message>
            <source>Повторить прошлый ход (клавиша G, П)</source>
            <translation>Repeat the last move (key G)</translation>
        </message>
        <message>
            <source>Автобой</source>
            <translation>Auto-fight</translation>
        </message>
        <message>
            <source>Повторять прошлый ход, пока бой не кончится, соперник не сменится или ХП не упадут ниже порога; любая клавиша или щелчок остановит (клавиша F, А)</source>
            <translation>Repeat the last move until the fight ends, the opponent changes or your HP fall below the threshold; any key or click stops it (key F)</translation>
        </message>
        <message>
            <source>Стоп при ХП ниже:</source>
            <translation>Stop below HP:</translation>
        </message>
        <message>
            <source>Стоп автобоя при ХП ниже, процентов</source>
            <translation>Stop the auto-fight below this percentage of HP</translation>
        </message>
        <message>
            <source>Ход %1</source>
            <translation>Move %1</translation>
        </message>
        <message>
            <source>Стоп</source>
            <translation>Stop</translation>
        </message>
        <message>
            <source>Доля наибольших ХП, ниже которой автобой остановится: сейчас %1 ХП</source>
            <translation>The share of your full HP below which the auto-fight stops: now %1 HP</translation>
        </message>
    </context>
    <context>
        <name>TForm2</name>
        <message>
            <source>Вернуться</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Вернуться в меню</source>
            <translation>Back to the menu</translation>
        </message>
        <message>
            <source>Купить</source>
            <translation>Buy</translation>
        </message>
        <message>
            <source>Купить вещь</source>
            <translation>Buy the item</translation>
        </message>
        <message>
            <source>Параметры вещи:</source>
            <translation>Item details:</translation>
        </message>
        <message>
            <source>Вещи в продаже:</source>
            <translation>Items for sale:</translation>
        </message>
        <message>
            <source>Вещь куплена.</source>
            <translation>Item bought.</translation>
        </message>
        <message>
            <source>Сообщение</source>
            <translation>Message</translation>
        </message>
        <message>
            <source>У вас не хватает денег для покупки.</source>
            <translation>You do not have enough money for this.</translation>
        </message>
        <message>
            <source>Разделы магазина</source>
            <translation>Shop sections</translation>
        </message>
        <message>
            <source>Раздел «%1»</source>
            <translation>Section “%1”</translation>
        </message>
        <message>
            <source>Рисунок вещи</source>
            <translation>Picture of the item</translation>
        </message>
        <message>
            <source>Параметры вещи</source>
            <translation>Item details</translation>
        </message>
        <message>
            <source>Вещи в продаже</source>
            <translation>Items for sale</translation>
        </message>
    </context>
    <context>
        <name>TForm3</name>
        <message>
            <source>Персонаж</source>
            <translation>Character</translation>
        </message>
        <message>
            <source>Ваш персонаж</source>
            <translation>Your character</translation>
        </message>
        <message>
            <source>Инвентарь</source>
            <translation>Inventory</translation>
        </message>
        <message>
            <source>Посмотреть инвентарь</source>
            <translation>Look at the inventory</translation>
        </message>
        <message>
            <source>Магазин</source>
            <translation>Shop</translation>
        </message>
        <message>
            <source>Пойти в магазин</source>
            <translation>Go to the shop</translation>
        </message>
        <message>
            <source>Рубка</source>
            <translation>Cut wood</translation>
        </message>
        <message>
            <source>Рубить лес</source>
            <translation>Cut wood in the forest</translation>
        </message>
        <message>
            <source>Сохранить</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Сохранить игру</source>
            <translation>Save the game</translation>
        </message>
        <message>
            <source>Звук</source>
            <translation>Sound</translation>
        </message>
        <message>
            <source>Так нельзя</source>
            <translation>Not allowed</translation>
        </message>
        <message>
            <source>Слишком далеко.</source>
            <translation>Too far away.</translation>
        </message>
    </context>
    <context>
        <name>TForm4</name>
        <message>
            <source>Вход</source>
            <translation>Login</translation>
        </message>
        <message>
            <source>Ваш ник:</source>
            <translation>Nickname:</translation>
        </message>
        <message>
            <source>Ваш пароль:</source>
            <translation>Password:</translation>
        </message>
        <message>
            <source>Войти</source>
            <translation>Log in</translation>
        </message>
        <message>
            <source>Войти в игру под введённым ником</source>
            <translation>Enter the game under this nickname</translation>
        </message>
        <message>
            <source>Вы зашли под ранее зарегистрированным ником.</source>
            <translation>Welcome back! You have logged in with your registered nickname.</translation>
        </message>
        <message>
            <source>Ваш ник зарегистрирован.</source>
            <translation>Your nickname is registered. Welcome!</translation>
        </message>
        <message>
            <source> - Меню</source>
            <translation> - Menu</translation>
        </message>
        <message>
            <source> - Персонаж</source>
            <translation> - Character</translation>
        </message>
        <message>
            <source> - Инвентарь</source>
            <translation> - Inventory</translation>
        </message>
        <message>
            <source> - Магазин</source>
            <translation> - Shop</translation>
        </message>
        <message>
            <source> - Бой</source>
            <translation> - Fight</translation>
        </message>
        <message>
            <source>Ошибка</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Нужно ввести ник и пароль.</source>
            <translation>Enter a nickname and a password.</translation>
        </message>
        <message>
            <source>Ник и пароль должны состоять минимум из трёх символов.</source>
            <translation>The nickname and the password need at least three characters each.</translation>
        </message>
        <message>
            <source>Ник не может состоять из одних пробелов.</source>
            <translation>The nickname cannot be spaces only.</translation>
        </message>
        <message>
            <source>Сохранение не загружено: %1.</source>
            <translation>The save was not loaded: %1.</translation>
        </message>
        <message>
            <source>Неверный ник или пароль.</source>
            <translation>Wrong nickname or password.</translation>
        </message>
        <message>
            <source>Файл сохранения этого ника не подходит по версии к игре.</source>
            <translation>This nickname's save file is from a version of the game that cannot read it.</translation>
        </message>
        <message>
            <source>Файл сохранения переименован, а он должен иметь имя ника, под которым сохранялись в него.</source>
            <translation>The save file has been renamed; it must bear the nickname it was saved under.</translation>
        </message>
        <message numerus="yes">
            <source>Загрузить последнюю целую резервную копию (уровень %1, %2 руб.)?</source>
            <translation>
                <numerusform>Load the latest intact backup (level %1, %2 rouble)?</numerusform>
                <numerusform>Load the latest intact backup (level %1, %2 roubles)?</numerusform>
            </translation>
        </message>
        <message>
            <source>Ник не зарегистрирован: %1.</source>
            <translation>The nickname was not registered: %1.</translation>
        </message>
        <message>
            <source>Ник</source>
            <translation>Nickname</translation>
        </message>
        <message>
            <source>Пароль</source>
            <translation>Password</translation>
        </message>
        <message>
            <source>Резервной копии нет: персонаж загружен как есть.</source>
            <translation>There is no backup: the character is loaded as it stands.</translation>
        </message>
        <message>
            <source>В папку сохранений %1 нельзя писать: сохранить игру не удастся, пока она закрыта для записи.</source>
            <translation>The save folder %1 cannot be written: the game cannot be saved while it stays closed to writing.</translation>
        </message>
    </context>
    <context>
        <name>TForm5</name>
        <message numerus="yes">
            <source>Вещь продана за %1 руб.</source>
            <translation>
                <numerusform>Item sold for %1 rouble.</numerusform>
                <numerusform>Item sold for %1 roubles.</numerusform>
            </translation>
        </message>
        <message>
            <source>Ошибка</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Может быть максимум 5 бонусов.</source>
            <translation>There can be 5 bonuses at most.</translation>
        </message>
        <message>
            <source>Параметры вещи:</source>
            <translation>Item details:</translation>
        </message>
        <message>
            <source>Вещи в рюкзаке:</source>
            <translation>Items in the backpack:</translation>
        </message>
        <message>
            <source>Бонусы:</source>
            <translation>Bonuses:</translation>
        </message>
        <message>
            <source>+1 к силе</source>
            <translation>+1 Strength</translation>
        </message>
        <message>
            <source>+1 к ловкости</source>
            <translation>+1 Agility</translation>
        </message>
        <message>
            <source>+1 к удаче</source>
            <translation>+1 Luck</translation>
        </message>
        <message>
            <source>+1 к здоровью</source>
            <translation>+1 Health</translation>
        </message>
        <message>
            <source>Надеть</source>
            <translation>Wear</translation>
        </message>
        <message>
            <source>Надеть вещь</source>
            <translation>Wear the item</translation>
        </message>
        <message>
            <source>Продать</source>
            <translation>Sell</translation>
        </message>
        <message>
            <source>Продать вещь за половину цены</source>
            <translation>Sell the item for half its price</translation>
        </message>
        <message>
            <source>Переместить в бонусы</source>
            <translation>Move to the bonuses</translation>
        </message>
        <message>
            <source>Переместить в рюкзак</source>
            <translation>Move to the backpack</translation>
        </message>
        <message>
            <source>Превратить</source>
            <translation>Combine</translation>
        </message>
        <message>
            <source>Превратить бонусы</source>
            <translation>Combine the bonuses</translation>
        </message>
        <message>
            <source>Вернуться</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Вернуться в меню</source>
            <translation>Back to the menu</translation>
        </message>
        <message>
            <source>Вы не выбрали вещь.</source>
            <translation>You have not chosen an item.</translation>
        </message>
        <message>
            <source>Применить</source>
            <translation>Use</translation>
        </message>
        <message>
            <source>Применить вещь</source>
            <translation>Use the item</translation>
        </message>
        <message>
            <source>Не учтены требования вещи.</source>
            <translation>The item's requirements are not met.</translation>
        </message>
        <message>
            <source>Вы заходите в телепорт, который ведёт в город.</source>
            <translation>You step into a teleport that leads to the town.</translation>
        </message>
        <message>
            <source>Вы заходите в телепорт, который ведёт к Мастеру.</source>
            <translation>You step into a teleport that leads to the Master.</translation>
        </message>
        <message>
            <source>Параметры вещи</source>
            <translation>Item details</translation>
        </message>
        <message>
            <source>Вещи в рюкзаке</source>
            <translation>Items in the backpack</translation>
        </message>
        <message>
            <source>Бонусы</source>
            <translation>Bonuses</translation>
        </message>
    </context>
    <context>
        <name>TForm6</name>
        <message>
            <source>Да</source>
            <translation>Yes</translation>
        </message>
        <message>
            <source>Да, хочу</source>
            <translation>Yes, I do</translation>
        </message>
        <message>
            <source>Нет</source>
            <translation>No</translation>
        </message>
        <message>
            <source>Нет, не хочу</source>
            <translation>No, I don't</translation>
        </message>
    </context>
    <context>
        <name>TForm7</name>
        <message>
            <source>Вернуться</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Вернуться в меню</source>
            <translation>Back to the menu</translation>
        </message>
        <message>
            <source>+1 к силе</source>
            <translation>+1 Strength</translation>
        </message>
        <message>
            <source>+1 к ловкости</source>
            <translation>+1 Agility</translation>
        </message>
        <message>
            <source>+1 к удаче</source>
            <translation>+1 Luck</translation>
        </message>
        <message>
            <source>+1 к здоровью</source>
            <translation>+1 Health</translation>
        </message>
        <message>
            <source>+1 к страннику</source>
            <translation>+1 Wayfaring</translation>
        </message>
        <message>
            <source>+1 к лесорубу</source>
            <translation>+1 Woodcutting</translation>
        </message>
        <message>
            <source>Образы:</source>
            <translation>Avatars:</translation>
        </message>
        <message>
            <source>До уровня: </source>
            <translation>To next level: </translation>
        </message>
        <message>
            <source>Образы</source>
            <translation>Avatars</translation>
        </message>
    </context>
    <context>
        <name>Wood</name>
        <message>
            <source>Всё срублено.</source>
            <translation>Nothing is left to cut here.</translation>
        </message>
        <message>
            <source>Неудачная попытка рубки.</source>
            <translation>The cutting failed.</translation>
        </message>
        <message>
            <source>Срублена 1 шт.</source>
            <translation>You cut 1 log.</translation>
        </message>
        <message>
            <source>Срублено 2 шт.</source>
            <translation>You cut 2 logs.</translation>
        </message>
        <message>
            <source>Срублено 3 шт.</source>
            <translation>You cut 3 logs.</translation>
        </message>
        <message>
            <source>Срублено 4 шт.</source>
            <translation>You cut 4 logs.</translation>
        </message>
        <message>
            <source>Срублено 5 шт.</source>
            <translation>You cut 5 logs.</translation>
        </message>
        <message>
            <source>Рубка ещё: %1 сек.</source>
            <translation>Cutting wood: %1 s left</translation>
        </message>
        <message>
            <source>Рубка закончена. Получено мирного опыта: %1.</source>
            <translation>The cutting is done. Peaceful experience gained: %1.</translation>
        </message>
    </context>
</TS>
