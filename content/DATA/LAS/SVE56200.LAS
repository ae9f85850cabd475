Haren var det snabbaste djuret i hela skogen, och det visste alla. Han tyckte om att skryta. Varje dag sprang han fram och tillbaka över ängen så att de andra djuren skulle se hur fort han var.

En dag mötte han sköldpaddan, som långsamt kröp fram på stigen.
– Hur orkar du gå så sakta? skrattade haren. Innan du har kommit fram till ån har jag hunnit runt hela skogen tre gånger.

Sköldpaddan stannade och tittade lugnt på honom.
– Ska vi springa i kapp? frågade hon. Från den stora eken till kvarnen vid ån.
Haren skrattade så att han nästan ramlade omkull, men han sa ja. Räven fick vara domare.

När räven ropade ”Nu!” rusade haren i väg. Efter en liten stund såg han sig om. Sköldpaddan syntes inte ens. ”Det här blir lätt”, tänkte haren. ”Jag kan vila en stund i solen.” Han lade sig under en buske och somnade.

Sköldpaddan gick och gick. Hon stannade aldrig, och hon tittade aldrig bakåt. Steg för steg kom hon förbi busken där haren låg och snarkade.

När haren vaknade hade solen redan börjat gå ner. Han rusade i väg så fort han kunde. Men när han kom fram till kvarnen satt sköldpaddan redan där, och alla djuren jublade.
– Jag är inte snabb, sa sköldpaddan, men jag ger aldrig upp.
Haren skämdes. Efter den dagen skröt han inte lika mycket längre.
