Det var en het dag i slutet av sommaren. En räv hade gått länge genom skogen utan att hitta något att äta. Han var både hungrig och törstig, och tungan hängde ut ur munnen på honom.

Till slut kom han fram till en trädgård. Där växte en vinranka som klättrade högt upp längs en mur. I rankan hängde stora klasar med mörkblå druvor. De var mogna och saftiga och glänste i solen.
– Precis vad jag behöver, sa räven och slickade sig om munnen.

Han tog sats och hoppade så högt han kunde. Men druvorna hängde för högt, och han nådde inte fram. Han försökte igen och igen. Han sprang och hoppade, han sträckte på sig och ställde sig på bakbenen. Men hur han än bar sig åt, kom han inte upp till druvorna.

Till slut var räven alldeles andfådd. Han satte sig ner och tittade upp mot klasarna en lång stund. Sedan reste han sig, borstade av pälsen och gick därifrån med nosen i vädret.
– De där druvorna är ändå sura, sa han högt, så att fåglarna på muren skulle höra. Jag skulle inte vilja ha dem ens om jag fick dem.

Fåglarna tittade på varandra och log. De visste att druvorna var söta. Räven ville bara inte erkänna att han hade misslyckats. Så gör många: när de inte kan få något, låtsas de att de aldrig ville ha det.
