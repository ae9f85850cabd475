Det var en gång en råtta som bodde på landet, under en gammal lada. Hon hade det enkelt men bra. En dag fick hon besök av sin kusin, som bodde i en stor stad.

Landsråttan bjöd på det bästa hon hade: korn, några ärtor och en bit torrt bröd. Stadsråttan åt lite grann men rynkade på nosen.
– Hur står du ut med sådan mat? sa hon. Följ med mig till staden i stället. Där äter vi som kungar.
Landsråttan blev nyfiken och följde med.

Stadsråttan bodde i ett fint hus. I matsalen stod ett bord som var dukat med ost, kakor, frukt och stekt kyckling. Landsråttan hade aldrig sett så mycket god mat. De klättrade upp på bordet och började äta.

Plötsligt öppnades dörren. En piga kom in med en lampa, och bakom henne kom en stor katt. Råttorna hoppade ner från bordet och sprang in i ett hål i väggen. Där satt de tysta och darrade, medan katten jamade utanför.

När allt var lugnt igen ville stadsråttan fortsätta äta. Men efter en liten stund kom hunden in och skällde, och de fick fly en gång till.

Då sa landsråttan:
– Tack för maten, kära kusin, men nu går jag hem. Hos mig är maten enkel, men jag kan äta den i lugn och ro. Hellre ett torrt bröd utan rädsla än en fest där man hela tiden måste vara rädd.
Och så gick hon hem till sin lada igen.
