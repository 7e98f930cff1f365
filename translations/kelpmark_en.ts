<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Calendar</name>
    <message>
        <source>Воскресенье</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Понедельник</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Вторник</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Среда</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Четверг</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Пятница</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Суббота</source>
        <translation>Saturday</translation>
    </message>
</context>
<context>
    <name>Campaigns</name>
    <message>
        <source>Наша фирма - лучшая!</source>
        <translation>Our company is the best!</translation>
    </message>
    <message>
        <source>Недорогая рекламная акция для повышения вашей репутации. Ее эффекта хватит на месяц.</source>
        <translation>An inexpensive campaign to raise your reputation. The effect lasts a month.</translation>
    </message>
    <message>
        <source>Покупайте рыбу!</source>
        <translation>Buy fish!</translation>
    </message>
    <message>
        <source>Акция, направленная на повышение потребительского спроса на рыбу. Оптовики и конкуренты также могут ей воспользоваться.</source>
        <translation>A campaign to boost consumer demand for fish. Wholesalers and competitors can profit from it too.</translation>
    </message>
    <message>
        <source>Покупайте рыбу у нас!</source>
        <translation>Buy your fish from us!</translation>
    </message>
    <message>
        <source>Узконаправленная реклама ваших магазинов. В течение двух недель увеличивает спрос.</source>
        <translation>Targeted advertising for your shops. Raises demand for two weeks.</translation>
    </message>
    <message>
        <source>Мясо есть вредно!</source>
        <translation>Meat is bad for you!</translation>
    </message>
    <message>
        <source>Сомнительная акция против конкурентов, занимающихся другими товарами. В случае успеха, существенно, но не надолго (5 дней) повышает спрос.</source>
        <translation>A dubious campaign against competitors who sell other goods. If it works, it raises demand a lot, but not for long (5 days).</translation>
    </message>
    <message>
        <source>Наша рыба - правильная!</source>
        <translation>Our fish is the right fish!</translation>
    </message>
    <message>
        <source>Очерните товар конкурентов! Увеличивает цены в ваших магазинах при неизменном спрое и уменьшает долю рынка конкурентов в течение 2-х недель.</source>
        <translation>Smear your competitors&apos; goods! Raises the prices in your shops with no loss of demand and cuts your competitors&apos; market share for 2 weeks.</translation>
    </message>
    <message>
        <source>У нас - дешевле!</source>
        <translation>We&apos;re cheaper!</translation>
    </message>
    <message>
        <source>Мнимая распродажа продолжительностью 7 дней. В случае успеха, поднимает спрос на неделю, но снижает репутацию.</source>
        <translation>A sham 7-day sale. If it works, it lifts demand for a week, but it costs you reputation.</translation>
    </message>
    <message>
        <source>Перестаньте нас грабить!</source>
        <translation>Stop robbing us!</translation>
    </message>
    <message>
        <source>Специализированная кампания против оптовиков. Снижает оптовые цены. Но конкуренты тоже этим воспользуются.</source>
        <translation>A campaign aimed at the wholesalers. Lowers wholesale prices, though your competitors will profit too.</translation>
    </message>
    <message>
        <source>У нас действительно дешево!</source>
        <translation>Our prices really are low!</translation>
    </message>
    <message>
        <source>Реальная недельная распродажа. Сильно увеличивает оборот за счет снижения цены. Сильный аргумент против конкурентов.</source>
        <translation>A genuine week-long sale. Lower prices boost turnover a lot. A strong argument against the competition.</translation>
    </message>
</context>
<context>
    <name>GameClock</name>
    <message>
        <source>Рекламная акция готова!</source>
        <translation>The advertising campaign is ready!</translation>
    </message>
</context>
<context>
    <name>Kinds</name>
    <message>
        <source>Улучшенный магазин</source>
        <translation>Improved shop</translation>
    </message>
    <message>
        <source>Элитный магазин</source>
        <translation>Luxury shop</translation>
    </message>
    <message>
        <source>Склад с погрузчиком</source>
        <translation>Warehouse with forklift</translation>
    </message>
    <message>
        <source>Офис</source>
        <translation>Office</translation>
    </message>
    <message>
        <source>Офис необходим вам для того, чтобы вести бизнес</source>
        <translation>You need an office to do business</translation>
    </message>
    <message>
        <source>Склад N %1</source>
        <translation>Warehouse No. %1</translation>
    </message>
    <message>
        <source>Малый склад</source>
        <translation>Small warehouse</translation>
    </message>
    <message>
        <source>Небольшой, удобный склад. Идеально подходит для хранения товара.</source>
        <translation>A small, handy warehouse. Ideal for storing goods.</translation>
    </message>
    <message>
        <source>Палатка N %1</source>
        <translation>Stall No. %1</translation>
    </message>
    <message>
        <source>Торговый лоток</source>
        <translation>Market stall</translation>
    </message>
    <message>
        <source>Отличный band-name лоток. Не требует больших материальных затрат.</source>
        <translation>A fine band-name stall. Costs little to set up.</translation>
    </message>
    <message>
        <source>Магазин N %1</source>
        <translation>Shop No. %1</translation>
    </message>
    <message>
        <source>Магазин</source>
        <translation>Shop</translation>
    </message>
    <message>
        <source>Небольшой приятный магазинчик. Облагается умеренными налогами.</source>
        <translation>A nice little shop. Moderately taxed.</translation>
    </message>
    <message>
        <source>Офис уже круче некуда!</source>
        <translation>The office can&apos;t get any grander!</translation>
    </message>
    <message>
        <source>Бухгалтер</source>
        <translation>Accountant</translation>
    </message>
    <message>
        <source>Офис маловат будет! Не пойдут бухгалтеры в такую дыру работать.</source>
        <translation>The office is too small! No accountant will work in a dump like that.</translation>
    </message>
    <message>
        <source>Новому бухгалтеру будет негде работать!</source>
        <translation>A new accountant would have nowhere to work!</translation>
    </message>
    <message>
        <source>Грузчик</source>
        <translation>Loader</translation>
    </message>
    <message>
        <source>Новому грузчику будет негде работать!</source>
        <translation>A new loader would have nowhere to work!</translation>
    </message>
    <message>
        <source>Менеджер</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Офис маловат будет! Не пойдут менеджеры в такую дыру работать.</source>
        <translation>The office is too small! No manager will work in a dump like that.</translation>
    </message>
    <message>
        <source>Новому менеджеру будет негде работать!</source>
        <translation>A new manager would have nowhere to work!</translation>
    </message>
    <message>
        <source>Продавец</source>
        <translation>Salesman</translation>
    </message>
    <message>
        <source>Новому продавцу будет негде работать!</source>
        <translation>A new salesman would have nowhere to work!</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Загрузить предыдущую игру?</source>
        <translation>Load the previous game?</translation>
    </message>
    <message>
        <source>Сохранить текущую игру?</source>
        <translation>Save the current game?</translation>
    </message>
    <message>
        <source>Ошибка сохранения!</source>
        <translation>Saving failed!</translation>
    </message>
    <message>
        <source>Прошлый запуск игры завершился аварийно.
Продолжить прерванную игру?</source>
        <translation>The game did not close properly last time.
Continue the interrupted game?</translation>
    </message>
    <message>
        <source>Не удается записать файл восстановления: %1.
%2
Игра продолжается, но если программа завершится аварийно, будет потеряно все, что сделано после последней удачной записи.</source>
        <translation>Could not write the recovery file: %1.
%2
The game goes on, but if the program crashes, everything since the last successful write will be lost.</translation>
    </message>
    <message>
        <source>нет места на диске</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>превышен допустимый размер файла</source>
        <translation>the file would be too large</translation>
    </message>
    <message>
        <source>нет прав на запись</source>
        <translation>you have no permission to write there</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>на месте файла или его временной копии (.tmp) находится папка</source>
        <translation>a folder stands where the file or its temporary copy (.tmp) belongs</translation>
    </message>
    <message>
        <source>папка для файла не найдена</source>
        <translation>the file&apos;s folder does not exist</translation>
    </message>
    <message>
        <source>программа, читавшая канал, завершилась</source>
        <translation>the program reading the pipe has ended</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>an input/output error</translation>
    </message>
    <message>
        <source>ошибка %1 (%2)</source>
        <translation>error %1 (%2)</translation>
    </message>
    <message>
        <source>Недостаточно денег!</source>
        <translation>Not enough money!</translation>
    </message>
    <message>
        <source>Ошибка загрузки. Игра запущена заново.</source>
        <translation>Loading failed. A new game has been started.</translation>
    </message>
    <message>
        <source>Не удается записать таблицу рекордов: %1.
%2
Эта игра останется в «Рекордах» только до выхода из программы.</source>
        <translation>Could not save the high scores: %1.
%2
This game stays in High Scores only until you quit.</translation>
    </message>
</context>
<context>
    <name>MonthEnd</name>
    <message>
        <source>За целый год вы так и не смогли захватить и удержать 100% рынка!
Вам надо было действовать активнее!
Попытаетесь еще раз?</source>
        <translation>A whole year, and you never managed to take and hold 100% of the market!
You should have been bolder!
Will you try again?</translation>
    </message>
    <message>
        <source>Меньше, чем за месяц вы умудрились уполовинить стоимость компании.
Ваши предпринимательские способности равны нулю!
Попытаетесь еще раз?</source>
        <translation>In less than a month you managed to halve the value of your company.
Your business skills are zero!
Will you try again?</translation>
    </message>
    <message>
        <source>Вы коренным образом подорвали свой престиж.
Уже никто не верит, что вы сможете создать монополию.
Попытаетесь заново?</source>
        <translation>You have utterly ruined your prestige.
Nobody believes you can build a monopoly any more.
Will you start over?</translation>
    </message>
    <message>
        <source>Отлично! Вы не хуже Кварцмана справились с созданием монополии!</source>
        <translation>Excellent! You built your monopoly every bit as well as Kvartsman!</translation>
    </message>
    <message>
        <source>Ваша фирма закончила месяц с прибылью в $%1
<byte value="xd"/>Налог на прибыль составит $%2</source>
        <translation>Your company ended the month with a profit of $%1
<byte value="xd"/>Profit tax will be $%2</translation>
    </message>
    <message>
        <source>Ваша фирма закончила месяц с убытками в $%1</source>
        <translation>Your company ended the month with a loss of $%1</translation>
    </message>
    <message>
        <source>Период льготного налогооблажения закончился!</source>
        <translation>The reduced tax period is over!</translation>
    </message>
</context>
<context>
    <name>Strikes</name>
    <message>
        <source>грузчики</source>
        <translation>loaders</translation>
    </message>
    <message>
        <source>продавцы</source>
        <translation>salesmen</translation>
    </message>
    <message>
        <source>бухгалтера</source>
        <translation>accountants</translation>
    </message>
    <message>
        <source>менеджеры</source>
        <translation>managers</translation>
    </message>
    <message>
        <source>Внимание: %1 объявили забастовку!</source>
        <translation>Warning: %1 have gone on strike!</translation>
    </message>
</context>
<context>
    <name>TActionForm</name>
    <message>
        <source>Менеджеров</source>
        <translation>Managers</translation>
    </message>
    <message>
        <source>Бухгалтеров</source>
        <translation>Accountants</translation>
    </message>
    <message>
        <source>Продавцов</source>
        <translation>Salesmen</translation>
    </message>
    <message>
        <source>Грузчиков</source>
        <translation>Loaders</translation>
    </message>
    <message>
        <source>Всех</source>
        <translation>Everyone</translation>
    </message>
    <message>
        <source>менеджеров</source>
        <translation>managers</translation>
    </message>
    <message>
        <source>бухгалтеров</source>
        <translation>accountants</translation>
    </message>
    <message>
        <source>продавцов</source>
        <translation>salesmen</translation>
    </message>
    <message>
        <source>грузчиков</source>
        <translation>loaders</translation>
    </message>
    <message>
        <source>всех</source>
        <translation>staff</translation>
    </message>
    <message>
        <source>Уволить всех %1?</source>
        <translation>Fire all %1?</translation>
    </message>
    <message>
        <source>Уволить всех ?</source>
        <translation>Fire all?</translation>
    </message>
    <message>
        <source>Ваши менеджеры бастуют!</source>
        <translation>Your managers are on strike!</translation>
    </message>
    <message>
        <source>У вас нет менеджеров!</source>
        <translation>You have no managers!</translation>
    </message>
    <message>
        <source>Мало денег!</source>
        <translation>Too little money!</translation>
    </message>
    <message>
        <source>Увеличит расходы на $%s в неделю</source>
        <translation>Adds $%s a week to costs</translation>
    </message>
    <message>
        <source>$%s единовременно</source>
        <translation>$%s one-off</translation>
    </message>
    <message>
        <source>Примерная стоимость: $%s</source>
        <translation>Estimated cost: $%s</translation>
    </message>
    <message>
        <source>Описание:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Будет готова к: %s</source>
        <translation>Ready by: %s</translation>
    </message>
</context>
<context>
    <name>TBuildForm</name>
    <message>
        <source>Хранилища</source>
        <translation>Warehouses</translation>
    </message>
    <message>
        <source>Торговые лотки</source>
        <translation>Market stalls</translation>
    </message>
    <message>
        <source>Магазины</source>
        <translation>Shops</translation>
    </message>
    <message>
        <source>Всего: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Расходы: $%1</source>
        <translation>Expenses: $%1</translation>
    </message>
    <message>
        <source>Средний износ: %1%</source>
        <translation>Avg. wear: %1%</translation>
    </message>
    <message>
        <source>Сначала отремонтируйте здание!</source>
        <translation>Repair the building first!</translation>
    </message>
    <message>
        <source>Удалить выбранную постройку?</source>
        <translation>Remove the selected building?</translation>
    </message>
    <message>
        <source>Удаление этого склада приведет к потере товара. Продолжить?</source>
        <translation>Removing this warehouse will lose some of your stock. Continue?</translation>
    </message>
    <message numerus="yes">
        <source>У вас %n грузчиков не заняты!</source>
        <translation>
            <numerusform>You have %n idle loader!</numerusform>
            <numerusform>You have %n idle loaders!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>У вас %n продавцов не заняты!</source>
        <translation>
            <numerusform>You have %n idle salesman!</numerusform>
            <numerusform>You have %n idle salesmen!</numerusform>
        </translation>
    </message>
    <message>
        <source>Постройка</source>
        <translation>Building</translation>
    </message>
    <message>
        <source>Содержание: $%s в сутки</source>
        <translation>Upkeep: $%s a day</translation>
    </message>
    <message>
        <source>Вместимость, максимум: %s кг</source>
        <translation>Max. capacity: %s kg</translation>
    </message>
    <message>
        <source>Оборот, максимум: %s кг в день</source>
        <translation>Max. turnover: %s kg a day</translation>
    </message>
    <message>
        <source>(стоит $%s)</source>
        <translation>(costs $%s)</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Денег:  $%s</source>
        <translation>Money:  $%s</translation>
    </message>
    <message>
        <source>Рыбы:  %s кг.</source>
        <translation>Fish:  %s kg</translation>
    </message>
    <message>
        <source>Складов:  %s</source>
        <translation>Warehouses:  %s</translation>
    </message>
    <message>
        <source>Лотков:  %s</source>
        <translation>Stalls:  %s</translation>
    </message>
    <message>
        <source>Магазинов:  %s</source>
        <translation>Shops:  %s</translation>
    </message>
    <message>
        <source>Грузчиков:  %s</source>
        <translation>Loaders:  %s</translation>
    </message>
    <message>
        <source>Продавцов:  %s</source>
        <translation>Salesmen:  %s</translation>
    </message>
    <message>
        <source>Бухгалтеров:  %s</source>
        <translation>Accountants:  %s</translation>
    </message>
    <message>
        <source>Менеджеров:  %s</source>
        <translation>Managers:  %s</translation>
    </message>
    <message>
        <source>Размер офиса:  %s</source>
        <translation>Office size:  %s</translation>
    </message>
    <message>
        <source>Ваша репутация:  %s</source>
        <translation>Your reputation:  %s</translation>
    </message>
    <message>
        <source>Доля рынка, не более  %s%%</source>
        <translation>Market share up to  %s%%</translation>
    </message>
    <message>
        <source>Использование доли:  %s%%</source>
        <translation>Market use:  %s%%</translation>
    </message>
    <message>
        <source>Базовая цена:  $%s за 100 кг</source>
        <translation>Base price:  $%s per 100 kg</translation>
    </message>
    <message>
        <source>Ваша цена:  $%s за 100 кг</source>
        <translation>Your price:  $%s per 100 kg</translation>
    </message>
    <message>
        <source>Итого:  $%s</source>
        <translation>Total:  $%s</translation>
    </message>
    <message>
        <source>Местное время</source>
        <translation>Local time</translation>
    </message>
    <message>
        <source>%1, %2. %3</source>
        <translation>%1, %2. %3</translation>
    </message>
    <message>
        <source>Нельзя изменить количество после торга!</source>
        <translation>You can&apos;t change the quantity after bargaining!</translation>
    </message>
    <message>
        <source>Если вы проспонсируете строительство дополнительного терминала,
<byte value="xd"/>то сможете закупать больше. Дадите $50000?</source>
        <translation>If you sponsor the building of an extra terminal,
<byte value="xd"/>you will be able to buy more. Will you give $50000?</translation>
    </message>
    <message>
        <source>Недостаточно места для хранения!</source>
        <translation>Not enough storage space!</translation>
    </message>
</context>
<context>
    <name>TPersForm</name>
    <message>
        <source>Менеджеры</source>
        <translation>Managers</translation>
    </message>
    <message>
        <source>Бухгалтера</source>
        <translation>Accountants</translation>
    </message>
    <message>
        <source>Продавцы</source>
        <translation>Salesmen</translation>
    </message>
    <message>
        <source>Грузчики</source>
        <translation>Loaders</translation>
    </message>
    <message>
        <source>Всего: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Расходы: $%1</source>
        <translation>Expenses: $%1</translation>
    </message>
    <message>
        <source>Средняя з/п $%1</source>
        <translation>Avg. pay: $%1</translation>
    </message>
    <message>
        <source>Опыт/настроение: %1/%2</source>
        <translation>Exp./mood: %1/%2</translation>
    </message>
    <message>
        <source>Работники недовольны. Увольнения могут ухудшить ситуацию. Продолжить?</source>
        <translation>Your staff are unhappy. Firing people may make things worse. Continue?</translation>
    </message>
    <message>
        <source>Личное дело</source>
        <translation>Personnel file</translation>
    </message>
    <message>
        <source>Оклад: $%s в неделю</source>
        <translation>Salary: $%s a week</translation>
    </message>
</context>
<context>
    <name>TReportForm</name>
    <message>
        <source>Содержание построек: $%s в сутки</source>
        <translation>Building upkeep: $%s a day</translation>
    </message>
    <message>
        <source>Содержание офиса: $%s в сутки</source>
        <translation>Office upkeep: $%s a day</translation>
    </message>
    <message>
        <source>Заработная плата: $%s в неделю</source>
        <translation>Wages: $%s a week</translation>
    </message>
    <message>
        <source>Расход с начала месяца: $%s</source>
        <translation>Expenses this month: $%s</translation>
    </message>
    <message>
        <source>Оборот за вчера: $%s с НДС и НСП</source>
        <translation>Turnover yesterday: $%s incl. taxes</translation>
    </message>
    <message>
        <source>Доход с начала месяца: $%s</source>
        <translation>Income this month: $%s</translation>
    </message>
    <message>
        <source>Эффективный уход от налогов: %s%%</source>
        <translation>Effective tax avoidance: %s%%</translation>
    </message>
    <message>
        <source>Стоимость компании: $%s</source>
        <translation>Company value: $%s</translation>
    </message>
    <message>
        <source>Динамика с начала месяца: %s%%</source>
        <translation>Change this month: %s%%</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::ActionWindow</name>
    <message>
        <source>Ваши действия</source>
        <translation>Your Actions</translation>
    </message>
    <message>
        <source>Сотрудники </source>
        <translation>Staff </translation>
    </message>
    <message>
        <source>Подразделение:</source>
        <translation>Department:</translation>
    </message>
    <message>
        <source>Поднять оклады</source>
        <translation>Raise Salaries</translation>
    </message>
    <message>
        <source>Выдать премии</source>
        <translation>Pay Bonuses</translation>
    </message>
    <message>
        <source>Распустить</source>
        <translation>Disband</translation>
    </message>
    <message>
        <source>(бесплатно)</source>
        <translation>(free)</translation>
    </message>
    <message>
        <source>Реклама </source>
        <translation>Advertising </translation>
    </message>
    <message>
        <source>Выберите акцию:</source>
        <translation>Choose a campaign:</translation>
    </message>
    <message>
        <source>Провести!</source>
        <translation>Launch!</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::BuildWindow</name>
    <message>
        <source>Ваши сооружения</source>
        <translation>Your Buildings</translation>
    </message>
    <message>
        <source>Износ:</source>
        <translation>Wear:</translation>
    </message>
    <message>
        <source>Износ</source>
        <translation>Wear</translation>
    </message>
    <message>
        <source>Капремонт</source>
        <translation>Overhaul</translation>
    </message>
    <message>
        <source>Улучшить</source>
        <translation>Improve</translation>
    </message>
    <message>
        <source>Продать</source>
        <translation>Sell</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::FinanceWindow</name>
    <message>
        <source>Итого</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Доходы</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>Всего доходов</source>
        <translation>Total income</translation>
    </message>
    <message>
        <source>Расходы</source>
        <translation>Expenses</translation>
    </message>
    <message>
        <source>Всего расходов</source>
        <translation>Total expenses</translation>
    </message>
    <message>
        <source>Итог месяца</source>
        <translation>Month&apos;s result</translation>
    </message>
    <message>
        <source>Деньги на конец месяца</source>
        <translation>Cash at month&apos;s end</translation>
    </message>
    <message>
        <source>Финансы</source>
        <translation>Finances</translation>
    </message>
    <message>
        <source>Доходы и расходы по месяцам</source>
        <translation>Income and expenses by month</translation>
    </message>
    <message>
        <source>График доходов, расходов и денег по месяцам</source>
        <translation>Chart of income, expenses and cash by month</translation>
    </message>
    <message>
        <source>Деньги</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Месяц</source>
        <translation>Month</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::HelpWindow</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Справка&lt;/h2&gt;&lt;p&gt;Страница справки не найдена.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Help&lt;/h2&gt;&lt;p&gt;Help page not found.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::LampWidget</name>
    <message>
        <source>горит</source>
        <translation>on</translation>
    </message>
    <message>
        <source>не горит</source>
        <translation>off</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::MainWindow</name>
    <message>
        <source>Щелчок останавливает игру</source>
        <translation>Click to pause the game</translation>
    </message>
    <message>
        <source>Скорость %1</source>
        <translation>Speed %1</translation>
    </message>
    <message>
        <source>График цен</source>
        <translation>Price chart</translation>
    </message>
    <message>
        <source>Цена продажи</source>
        <translation>Selling price</translation>
    </message>
    <message>
        <source>Оптовая цена</source>
        <translation>Wholesale price</translation>
    </message>
    <message>
        <source>Активность рынка</source>
        <translation>Market activity</translation>
    </message>
    <message>
        <source>Красная линия: цена продажи; синяя: оптовая цена; зеленая (правая шкала): активность рынка</source>
        <translation>Red line: selling price; blue: wholesale price; green (right scale): market activity</translation>
    </message>
    <message>
        <source>Строительство </source>
        <translation>Construction </translation>
    </message>
    <message>
        <source>Склад</source>
        <translation>Warehouse</translation>
    </message>
    <message>
        <source>Лоток</source>
        <translation>Stall</translation>
    </message>
    <message>
        <source>Магазин</source>
        <translation>Shop</translation>
    </message>
    <message>
        <source>Апгрейд офиса</source>
        <translation>Upgrade Office</translation>
    </message>
    <message>
        <source>Закупить!</source>
        <translation>Buy!</translation>
    </message>
    <message>
        <source>Нанять сотрудников </source>
        <translation>Hire Staff </translation>
    </message>
    <message>
        <source>Грузчика</source>
        <translation>Loader</translation>
    </message>
    <message>
        <source>Продавца</source>
        <translation>Salesman</translation>
    </message>
    <message>
        <source>Бухгалтера</source>
        <translation>Accountant</translation>
    </message>
    <message>
        <source>Менеждера</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Текущая цена продажи (с налогом)</source>
        <translation>Current selling price (incl. tax)</translation>
    </message>
    <message>
        <source>Средневзвешенная себестоимость</source>
        <translation>Weighted average cost of your stock</translation>
    </message>
    <message>
        <source>Приостановить</source>
        <translation>Stop Sales</translation>
    </message>
    <message>
        <source>Количество рыбы для закупки, кг</source>
        <translation>Quantity of fish to buy, kg</translation>
    </message>
    <message>
        <source>Максимум</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Торговаться</source>
        <translation>Bargain</translation>
    </message>
    <message>
        <source>Офис</source>
        <translation>Office</translation>
    </message>
    <message>
        <source>Действия</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Отчеты</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>Персонал</source>
        <translation>Personnel</translation>
    </message>
    <message>
        <source>Сооружения</source>
        <translation>Buildings</translation>
    </message>
    <message>
        <source>&amp;Игра</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Новая</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Скорость</source>
        <translation>&amp;Speed</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Медленно</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Нормально</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Ускоренно</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Быстро</source>
        <translation>Very Fast</translation>
    </message>
    <message>
        <source>Молниеносно</source>
        <translation>Lightning</translation>
    </message>
    <message>
        <source>&amp;Финансы</source>
        <translation>&amp;Finances</translation>
    </message>
    <message>
        <source>&amp;Рекорды</source>
        <translation>&amp;High Scores</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::MoneyTexts</name>
    <message>
        <source>Продажи</source>
        <translation>Sales</translation>
    </message>
    <message>
        <source>Продажа зданий</source>
        <translation>Building sales</translation>
    </message>
    <message>
        <source>Налог с продаж</source>
        <translation>Sales tax</translation>
    </message>
    <message>
        <source>Закупка рыбы</source>
        <translation>Fish purchases</translation>
    </message>
    <message>
        <source>Терминал</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Зарплата</source>
        <translation>Wages</translation>
    </message>
    <message>
        <source>Содержание зданий</source>
        <translation>Building upkeep</translation>
    </message>
    <message>
        <source>Проценты по долгу</source>
        <translation>Overdraft interest</translation>
    </message>
    <message>
        <source>Налог на прибыль</source>
        <translation>Profit tax</translation>
    </message>
    <message>
        <source>Наём</source>
        <translation>Hiring</translation>
    </message>
    <message>
        <source>Строительство</source>
        <translation>Construction</translation>
    </message>
    <message>
        <source>Ремонт</source>
        <translation>Repairs</translation>
    </message>
    <message>
        <source>Реклама</source>
        <translation>Advertising</translation>
    </message>
    <message>
        <source>Работа с персоналом</source>
        <translation>Staff measures</translation>
    </message>
    <message>
        <source>янв</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>фев</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>мар</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>апр</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>май</source>
        <translation>May</translation>
    </message>
    <message>
        <source>июн</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>июл</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>авг</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>сен</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>окт</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>ноя</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>дек</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>денег не тратили и не получали</source>
        <translation>no money spent or received</translation>
    </message>
    <message>
        <source>&lt;b&gt;Сегодня:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;За месяц:&lt;/b&gt; %2</source>
        <translation>&lt;b&gt;Today:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;This month:&lt;/b&gt; %2</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::PersWindow</name>
    <message>
        <source>Ваш персонал</source>
        <translation>Your Personnel</translation>
    </message>
    <message>
        <source>Опыт:</source>
        <translation>Experience:</translation>
    </message>
    <message>
        <source>Опыт</source>
        <translation>Experience</translation>
    </message>
    <message>
        <source>Поднять</source>
        <translation>Raise</translation>
    </message>
    <message>
        <source>Снизить</source>
        <translation>Lower</translation>
    </message>
    <message>
        <source>Настроение:</source>
        <translation>Mood:</translation>
    </message>
    <message>
        <source>Настроение</source>
        <translation>Mood</translation>
    </message>
    <message>
        <source>Похвалить</source>
        <translation>Praise</translation>
    </message>
    <message>
        <source>Дать премию</source>
        <translation>Give Bonus</translation>
    </message>
    <message>
        <source>Уволить</source>
        <translation>Fire</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::QtViewPort</name>
    <message>
        <source>Внимание</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Подтверждение</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::Recording</name>
    <message>
        <source>Не удается продолжить запись игры в файл %1: %2.
Игра продолжается; недописанное будет добавлено в файл, как только запись в него снова станет возможной.</source>
        <translation>Could not go on recording the game into %1: %2.
The game goes on; what is missing will be added to the file as soon as it can be written again.</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::ReportWindow</name>
    <message>
        <source>Отчеты</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>График доходов и расходов</source>
        <translation>Income and expenses chart</translation>
    </message>
    <message>
        <source>Расходы</source>
        <translation>Expenses</translation>
    </message>
    <message>
        <source>Доходы</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>Месяц</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Финансы</source>
        <translation>Finances</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::ResultsWindow</name>
    <message>
        <source>Победа</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Стоимость упала вдвое</source>
        <translation>Value halved</translation>
    </message>
    <message>
        <source>Потеряна репутация</source>
        <translation>Reputation lost</translation>
    </message>
    <message>
        <source>Год закончился</source>
        <translation>Year ran out</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>High Scores</translation>
    </message>
    <message>
        <source>Место</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Game ended</translation>
    </message>
    <message>
        <source>Стоимость компании</source>
        <translation>Company value</translation>
    </message>
    <message>
        <source>Деньги</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Доля рынка</source>
        <translation>Market share</translation>
    </message>
    <message>
        <source>Сыграна</source>
        <translation>Played</translation>
    </message>
    <message>
        <source>Законченные игры, лучшие первыми</source>
        <translation>Finished games, best first</translation>
    </message>
    <message>
        <source>Ни одна игра ещё не закончена. Здесь появится каждая игра, выигранная или проигранная, с её итогом.</source>
        <translation>No game has been finished yet. Every game you win or lose will be listed here with its outcome.</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::SaveLock</name>
    <message>
        <source>Игра уже запущена: сохранённую игру использует другая копия программы. Эта копия будет закрыта.</source>
        <translation>The game is already running: another copy of the program is using the saved game. This copy will now close.</translation>
    </message>
    <message>
        <source>Сохранённую игру заняла копия программы на компьютере «%1».
Если там игра уже не запущена, блокировку можно снять и играть здесь. Если она ещё запущена, при выходе одна копия сотрёт сохранение другой.
Снять блокировку?</source>
        <translation>The saved game is held by a copy of the program on the computer “%1”.
If the game no longer runs there, you can remove the lock and play here. If it still runs, one copy will overwrite the other&apos;s save when it exits.
Remove the lock?</translation>
    </message>
    <message>
        <source>Не удается создать файл блокировки сохранённой игры: на его месте находится папка:
%1
Удалите или переименуйте её. Эта копия будет закрыта.</source>
        <translation>Could not create the lock file of the saved game: a folder stands in its place:
%1
Delete or rename it. This copy will now close.</translation>
    </message>
</context>
<context>
    <name>kelpmark::ui::WelcomeWindow</name>
    <message>
        <source>Двойной щелчок закрывает окно</source>
        <translation>Double-click to close this window</translation>
    </message>
</context>
<context>
    <name>kelpmark::widgets::AccessibleDisplay</name>
    <message>
        <source>Лампа скорости</source>
        <translation>Speed lamp</translation>
    </message>
    <message>
        <source>Бегущая строка</source>
        <translation>News ticker</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Chart</translation>
    </message>
</context>
<context>
    <name>kelpmark::widgets::XYPlot</name>
    <message>
        <source>Линия %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>нет данных</source>
        <translation>no data</translation>
    </message>
</context>
</TS>
