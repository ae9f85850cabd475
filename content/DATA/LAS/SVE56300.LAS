En varm dag låg lejonet och sov i skuggan av ett stort träd. En liten mus kom springande i gräset. Hon hade så bråttom att hon inte såg vart hon sprang, och plötsligt sprang hon rakt över lejonets nos.

Lejonet vaknade med ett vrål. Han slog ut med tassen och fångade musen.
– Hur vågar du väcka mig? röt han. Nu ska jag äta upp dig!
Musen darrade av rädsla.
– Snälla, låt mig gå! pep hon. Jag gjorde det inte med flit. Om du släpper mig, ska jag hjälpa dig någon gång.

Lejonet började skratta.
– Du, hjälpa mig? Du som är så liten! Det var det roligaste jag har hört.
Men han var inte särskilt hungrig, och musen hade fått honom på gott humör. Därför lyfte han tassen och lät henne springa.

Några veckor senare gick lejonet genom skogen. Plötsligt trampade han i en fälla som jägare hade gillrat. Ett tjockt nät föll över honom. Ju mer han slet och drog, desto hårdare satt nätet. Till slut kunde han inte röra sig, och han vrålade så att det hördes över hela skogen.

Musen kände genast igen rösten. Hon sprang dit så fort hon kunde. Utan att säga något började hon gnaga på repen med sina vassa tänder. Hon gnagde och gnagde, och till sist gick ett stort hål upp i nätet. Lejonet kunde krypa ut.
– Du skrattade åt mig, sa musen. Nu vet du att även en liten mus kan hjälpa ett stort lejon.
Lejonet nickade. Från den dagen var de goda vänner.
