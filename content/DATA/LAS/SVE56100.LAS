En morgon hittade korpen en stor bit ost. Någon hade tappat den på stigen bredvid bondgården. Korpen tog osten i näbben och flög upp i en hög gran. Där satte hon sig på en gren för att äta i lugn och ro.

Nedanför trädet gick räven förbi. Han var hungrig, och när han fick syn på osten började det vattnas i munnen på honom. Räven visste att han inte kunde klättra upp i granen. Därför bestämde han sig för att lura korpen.

– God morgon, fina korp! ropade räven. Vad dina fjädrar glänser i solen! Jag har aldrig sett en så vacker fågel. Du är säkert lika bra på att sjunga som du är vacker. Om du bara sjöng en liten sång för mig, skulle jag veta att du är skogens drottning.

Korpen blev så glad över berömmet att hon glömde allt annat. Hon sträckte på halsen, öppnade näbben och kraxade så högt hon kunde. Då föll osten ner på marken. Räven nappade åt sig den på en sekund.

– Tack för osten, sa räven och slickade sig om munnen. Din röst var inte mycket att hänga i granen, men jag ska ge dig ett gott råd gratis: lita aldrig på den som smickrar dig. Han vill nästan alltid ha något av dig.

Sedan sprang räven in i skogen. Korpen satt kvar på grenen, hungrig och skamsen. Hon hade lärt sig något den dagen, men det kostade henne en hel ost.
