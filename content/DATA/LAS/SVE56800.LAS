Nordanvinden och solen grälade om vem av dem som var starkast.
– Jag kan böja de högsta träden och piska upp stora vågor på havet, sa nordanvinden. Ingen är starkare än jag.
– Det är inte säkert, sa solen lugnt. Vi kan pröva.

Just då kom en man gående längs vägen. Han hade en tjock, varm kappa på sig.
– Den av oss som får mannen att ta av sig kappan är starkast, sa solen.
– Det blir lätt, sa nordanvinden. Jag börjar.

Nordanvinden blåste. Först blåste han lite grann, och mannen drog kappan tätare om sig. Då blåste nordanvinden hårdare. Löven virvlade, och mannen fick hålla i hatten. Till slut blåste nordanvinden så hårt han bara kunde. Men ju mer det blåste, desto hårdare höll mannen i sin kappa. Han knäppte till och med den översta knappen.

Till sist orkade nordanvinden inte mer. Han gav upp och lade sig till vila bakom bergen.

Nu var det solens tur. Hon sköt fram ur molnen och började lysa, först försiktigt och sedan allt varmare. Mannen slutade frysa. Han knäppte upp kappan. Solen fortsatte att värma, och snart blev mannen så varm att han tog av sig kappan och bar den över armen. Till slut satte han sig i skuggan under ett träd för att svalka sig.

Nordanvinden fick erkänna att solen hade vunnit. Hon hade inte använt någon kraft alls, bara värme. Ibland kommer man längre med vänlighet än med våld.
