Hela sommaren slet myran. Från tidig morgon till sen kväll bar hon korn och frön till stacken. Hennes ben värkte, och ibland var hon så trött att hon nästan somnade medan hon gick.

Syrsan satt i gräset och spelade. Hon gned vingarna mot varandra så att det lät som en fiol, och hon sjöng om solen och blommorna.
– Varför jobbar du så hårt? frågade syrsan. Kom hit och dansa i stället! Det är ju sommar.
– Jag samlar mat inför vintern, svarade myran. Det borde du också göra.
– Vintern är långt borta, skrattade syrsan. Det finns mat överallt nu.
Och så fortsatte hon att spela.

Sommaren tog slut och hösten kom. Löven föll, och gräset blev brunt. Sedan kom vintern med kyla och snö. Nu fanns det ingen mat någonstans. Syrsan frös och var så hungrig att hon knappt orkade gå.

En kväll knackade hon på dörren till myrstacken.
– Snälla, kan du ge mig lite mat? bad hon. Jag har inte ätit på flera dagar.
Myran tittade på henne.
– Vad gjorde du i somras, när jag bar mat? frågade hon.
– Jag spelade och sjöng hela dagarna, svarade syrsan tyst.

Myran tänkte en stund. Sedan öppnade hon dörren och lät syrsan komma in i värmen.
– Du får äta hos mig i vinter, sa hon. Men nästa sommar hjälper du mig att samla. Och på kvällarna får du spela för oss alla.
Syrsan lovade det, och hon höll sitt löfte.
