I en liten by uppe bland bergen bodde en pojke som vaktade byns får. Varje dag drev han fåren upp på ängen och satt där med dem tills det blev kväll. Det var ett viktigt arbete, för i skogen runt ängen fanns det vargar.

Men pojken tyckte att det var tråkigt att sitta ensam hela dagarna. En eftermiddag fick han en idé. Han ställde sig upp och skrek så högt han kunde:
– Varg! Varg! Vargen tar fåren!

Alla i byn släppte det de höll på med och sprang upp till ängen med käppar och spadar. Men där fanns ingen varg. Där satt bara pojken och skrattade åt dem. Byborna blev arga och gick hem igen.

Några dagar senare gjorde pojken samma sak.
– Varg! Varg! ropade han.
Än en gång kom byborna springande, och än en gång skrattade pojken åt dem.
– Om du ljuger en gång till, kommer ingen att tro på dig, sa den äldsta bonden.

En kväll, när solen höll på att gå ner, kom en riktig varg smygande ut ur skogen. Den var stor och grå och gick rakt mot fåren. Pojken blev alldeles kall av rädsla.
– Varg! Varg! skrek han. Hjälp! Det är sant den här gången!

Nere i byn hörde alla hans rop. Men ingen gick upp till ängen. ”Han skojar med oss igen”, tänkte de och fortsatte äta sin kvällsmat.

Vargen skingrade fåren, och pojken kunde inte göra något. När han till slut kom ner till byn, gråtande, förstod byborna vad som hade hänt. Då var det för sent. Pojken hade lärt sig att den som ljuger inte blir trodd, inte ens när han talar sanning.
