<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../app/AboutDialog.cpp" line="44"/>
        <source>Virelo helps consultants and authorities judge whether monitored natural attenuation can protect a receptor downstream of a contaminant source. For every contaminant it checks the inputs, then estimates the plume length from plug flow at the seepage velocity with first-order decay, and the attenuation factor at the receptor from a steady-state analytical centre-line solution with longitudinal dispersion, decay and the lateral and vertical spreading of a rectangular source. Each result is classed green, yellow or red against a chosen assessment range. The bundled contaminant database is deliberately sparse: its plume lengths and decay constants come from published field surveys, microcosm studies and regulatory guidance, each value with its source.</source>
        <translation>Virelo hilft Gutachtern und Behörden zu beurteilen, ob Monitored Natural Attenuation ein Schutzgut im Abstrom eines Schadensherds schützen kann. Für jeden Schadstoff prüft es die Eingaben, schätzt die Fahnenlänge aus Kolbenströmung mit der Abstandsgeschwindigkeit und Abbau erster Ordnung und den Abminderungsfaktor am Schutzgut aus einer stationären analytischen Lösung auf der Mittellinie mit longitudinaler Dispersion, Abbau und seitlicher und vertikaler Ausbreitung einer rechteckigen Quelle. Jedes Ergebnis wird gegen einen gewählten Bewertungsbereich grün, gelb oder rot eingestuft. Die mitgelieferte Schadstoffdatenbank ist bewusst knapp: ihre Fahnenlängen und Zerfallskonstanten stammen aus veröffentlichten Felduntersuchungen, Mikrokosmosstudien und behördlichen Leitfäden, jeder Wert mit seiner Quelle.</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="57"/>
        <source>Version:		%1
Build-No:	%2</source>
        <translation>Version:		%1
Build-Nr.:	%2</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="61"/>
        <location filename="../app/AboutDialog.cpp" line="161"/>
        <source>About Virelo 1.0</source>
        <translation>Über Virelo 1.0</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="89"/>
        <source>Decision support for applying Monitored Natural
Attenuation at Megasites</source>
        <translation>Entscheidungshilfe für Monitored Natural
Attenuation an Großstandorten</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="94"/>
        <source>Version:		1.0
Build-No.:	xxxxxxx</source>
        <translation>Version:		1.0
Build-Nr.:	xxxxxxx</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="99"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="109"/>
        <source>General Informations</source>
        <translation>Allgemeines</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="118"/>
        <source>Copyright</source>
        <translation>Urheberrecht</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="126"/>
        <source>Realisation</source>
        <translation>Umsetzung</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="128"/>
        <source>Programming and design:
the Virelo developers
Virelo Software Workshop</source>
        <translation>Programmierung und Gestaltung:
die Virelo-Entwickler
Virelo Software Workshop</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="161"/>
        <source>Virelo 1.0 Loading ...</source>
        <translation>Virelo 1.0 wird geladen ...</translation>
    </message>
</context>
<context>
    <name>CPropAqui</name>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="108"/>
        <source>Used for the plume&apos;s dissolved mass and the mass discharge (Site data). Left empty, the mass is per metre of thickness.</source>
        <translation>Für die gelöste Schadstoffmasse in der Fahne und die Schadstofffracht (Standortdaten). Leer gilt die Masse je Meter Mächtigkeit.</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="147"/>
        <location filename="../pages/CPropAqui.cpp" line="173"/>
        <source>Effective porosity ( ne )  &lt;= 1.0  :</source>
        <translation>Nutzbares Hohlraumvolumen ( ne ) &lt;= 1.0 :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="163"/>
        <source>Distance source - receptor</source>
        <translation>Abstand Quelle - Schutzgut</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="168"/>
        <source>Hydraulic parameters</source>
        <translation>Hydraulische Kennwerte</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="171"/>
        <source>Hydraulic conductivity ( Kf ) :</source>
        <translation>Durchlässigkeitsbeiwert ( Kf ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="172"/>
        <source>Hydraulic gradient ( i ) : </source>
        <translation>Hydraulischer Gradient ( i ) : </translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="176"/>
        <source>Saturated thickness ( b ) :</source>
        <translation>Wassergesättigte Mächtigkeit ( b ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="189"/>
        <source>Width across the flow</source>
        <translation>Breite quer zur Strömung</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="189"/>
        <source>water table ( Sz ) :</source>
        <translation>Grundwasserspiegel ( Sz ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="189"/>
        <location filename="../pages/CPropAqui.cpp" line="215"/>
        <source>ay (across, horizontal) :</source>
        <translation>ay (quer, horizontal) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="196"/>
        <source>Contaminant source</source>
        <translation>Schadensherd</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="199"/>
        <source>Width across the flow
( W = 2 Sy ) :</source>
        <translation>Breite quer zur Strömung
( W = 2 Sy ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="200"/>
        <source>Thickness below the
water table ( Sz ) :</source>
        <translation>Mächtigkeit unter dem
Grundwasserspiegel ( Sz ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="202"/>
        <source>Approximate by &amp;x</source>
        <translation>Aus &amp;x abschätzen</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="210"/>
        <source>Dispersivity (3 Dimensions)</source>
        <translation>Dispersivität (3 Dimensionen)</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="214"/>
        <source>ax (along the flow) :</source>
        <translation>ax (längs der Strömung) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="216"/>
        <source>az (vertical) :</source>
        <translation>az (vertikal) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="219"/>
        <source>Only used for calculation attenuation factor ( AF )</source>
        <translation>Nur für den Abminderungsfaktor ( AF )</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="242"/>
        <source>Redox conditions</source>
        <translation>Redoxbedingungen</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="256"/>
        <source>&amp;Unknown / variable</source>
        <translation>&amp;Unbekannt / wechselnd</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="257"/>
        <source>&amp;Aerobic conditions</source>
        <translation>&amp;Aerobe Bedingungen</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="258"/>
        <source>Anaerobic &amp;mixed plumes</source>
        <translation>Anaerob, &amp;gemischte Fahnen</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="259"/>
        <source>Anaerobic &amp;NO3</source>
        <translation>Anaerob &amp;NO3</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="260"/>
        <source>Anaerobic &amp;SO4</source>
        <translation>Anaerob &amp;SO4</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="261"/>
        <source>Anaerobic &amp;Fe</source>
        <translation>Anaerob &amp;Fe</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="262"/>
        <source>Anaerobic &amp;CH4</source>
        <translation>Anaerob &amp;CH4</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="274"/>
        <source>Si&amp;te data...</source>
        <translation>S&amp;tandortdaten...</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="281"/>
        <source>Generic decay constant available for following contaminants :</source>
        <translation>Generische Zerfallskonstante vorhanden für diese Schadstoffe :</translation>
    </message>
</context>
<context>
    <name>CPropConts</name>
    <message>
        <location filename="../pages/CPropConts.cpp" line="158"/>
        <source>Select contaminants:</source>
        <translation>Schadstoffe wählen:</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="165"/>
        <source>Assess plume &amp;length</source>
        <translation>Fahnen&amp;länge bewerten</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="168"/>
        <source>Assess &amp;attenuation factor</source>
        <translation>&amp;Abminderungsfaktor bewerten</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="173"/>
        <source>75th percentile of observed plume lengths in the literature : </source>
        <translation>75. Perzentil beobachteter Fahnenlängen in der Literatur : </translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="195"/>
        <source>Concentrations (same unit e.g. mg/l)</source>
        <translation>Konzentrationen (gleiche Einheit, z. B. mg/l)</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="200"/>
        <source>Concentration at source ( C0 ) :</source>
        <translation>Konzentration an der Quelle ( C0 ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="201"/>
        <source>Acceptable concentration at receptor ( CA ) :</source>
        <translation>Zulässige Konzentration am Schutzgut ( CA ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="243"/>
        <source>Decay constant ( lambda )</source>
        <translation>Zerfallskonstante ( lambda )</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="245"/>
        <source>Use &amp;preset :</source>
        <translation>&amp;Vorgabe verwenden :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="252"/>
        <source>User defined :</source>
        <translation>Eigener Wert :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="264"/>
        <source>reference, report or wells the value comes from</source>
        <translation>Quelle, Bericht oder Messstellen des Werts</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="265"/>
        <source>Its source :</source>
        <translation>Quelle :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="392"/>
        <source>( by %1 entries )</source>
        <translation>( aus %1 Einträgen )</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="393"/>
        <source>( by ? entries )</source>
        <translation>( aus ? Einträgen )</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="395"/>
        <source>no literature plume length available</source>
        <translation>keine Fahnenlänge aus der Literatur</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="414"/>
        <source>No preset data available!</source>
        <translation>Keine Vorgabedaten vorhanden!</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="471"/>
        <source>Source: unknown, the literature table %1 is not installed</source>
        <translation>Quelle: unbekannt, die Literaturtabelle %1 ist nicht installiert</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="474"/>
        <source>Source: </source>
        <translation>Quelle: </translation>
    </message>
    <message>
        <location filename="../pages/CPropContsTree.cpp" line="163"/>
        <source>e&amp;xpand all</source>
        <translation>alle &amp;aufklappen</translation>
    </message>
    <message>
        <location filename="../pages/CPropContsTree.cpp" line="164"/>
        <source>&amp;collapse all</source>
        <translation>alle &amp;zuklappen</translation>
    </message>
    <message>
        <location filename="../pages/CPropContsTree.cpp" line="166"/>
        <source>expand &amp;calculated contaminants</source>
        <translation>&amp;berechnete Schadstoffe aufklappen</translation>
    </message>
</context>
<context>
    <name>CPropProject</name>
    <message>
        <location filename="../pages/CPropProject.cpp" line="129"/>
        <source>The unit of C0, CA and every concentration Virelo shows</source>
        <translation>Die Einheit von C0, CA und jeder Konzentration, die Virelo zeigt</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="132"/>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="135"/>
        <source>Title: </source>
        <translation>Titel: </translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="137"/>
        <location filename="../pages/CPropProject.cpp" line="211"/>
        <source>Short description:</source>
        <translation>Kurzbeschreibung:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="141"/>
        <source>Author:</source>
        <translation>Bearbeiter:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="143"/>
        <source>Organisation:</source>
        <translation>Organisation:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="145"/>
        <source>Concentration unit:</source>
        <translation>Konzentrationseinheit:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="183"/>
        <source>File information</source>
        <translation>Dateiinformationen</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="185"/>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="190"/>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="192"/>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="194"/>
        <source>Created:</source>
        <translation>Erstellt:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="196"/>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="198"/>
        <source>Last access:</source>
        <translation>Letzter Zugriff:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="249"/>
        <source>The project file&apos;s single-byte fields keep %1; the full texts are kept in its settings.</source>
        <translation>Die Ein-Byte-Felder der Projektdatei enthalten %1; die vollständigen Texte stehen in ihren Einstellungen.</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="327"/>
        <source>%1 Bytes</source>
        <translation>%1 Byte</translation>
    </message>
</context>
<context>
    <name>CPropResults</name>
    <message>
        <location filename="../pages/CPropResults.cpp" line="251"/>
        <source>Show &amp;problems</source>
        <translation>&amp;Probleme zeigen</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="267"/>
        <source>&amp;Robustness...</source>
        <translation>&amp;Robustheit...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="271"/>
        <source>Show p&amp;lume...</source>
        <translation>&amp;Fahne zeigen...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="130"/>
        <source>&amp;Verdict basis : </source>
        <translation>&amp;Bewertungsgrundlage : </translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="135"/>
        <source>Which model&apos;s receptor concentration decides the class of the attenuation factor</source>
        <translation>Welches Modell mit seiner Konzentration am Schutzgut die Klasse des Abminderungsfaktors bestimmt</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="167"/>
        <source>Plume length :</source>
        <translation>Fahnenlänge :</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="167"/>
        <source>Attenuation factor :</source>
        <translation>Abminderungsfaktor :</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="170"/>
        <source>Assessment range : </source>
        <translation>Bewertungsbereich : </translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="178"/>
        <source>Ro&amp;bustness...</source>
        <translation>Ro&amp;bustheit...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="181"/>
        <source>How far each input is from changing the marked result&apos;s class</source>
        <translation>Wie weit jede Eingabe von einem Klassenwechsel des markierten Ergebnisses entfernt ist</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="191"/>
        <source>Pl&amp;ume...</source>
        <translation>&amp;Fahne...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="193"/>
        <source>Centre line and plan view of the selected contaminant&apos;s plume</source>
        <translation>Mittellinie und Draufsicht der Fahne des gewählten Schadstoffs</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="202"/>
        <source>Uncer&amp;tainty...</source>
        <translation>Unsi&amp;cherheit...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="204"/>
        <source>The probability of each class from ranges of the inputs</source>
        <translation>Die Wahrscheinlichkeit jeder Klasse aus Bereichen der Eingaben</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="209"/>
        <source>&amp;Chain...</source>
        <translation>&amp;Kette...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="211"/>
        <source>The project&apos;s decay chains: parents and the daughters they form</source>
        <translation>Die Zerfallsketten des Projekts: Ausgangsstoffe und ihre Tochterprodukte</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="306"/>
        <source>Plume extension</source>
        <translation>Fahnenausdehnung</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="306"/>
        <source>Acceptable concentration at source</source>
        <translation>Zulässige Konzentration an der Quelle</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="308"/>
        <source>Distance source receptor</source>
        <translation>Abstand Quelle Schutzgut</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="308"/>
        <source>Concentration at source</source>
        <translation>Konzentration an der Quelle</translation>
    </message>
</context>
<context>
    <name>ContaminantEditorDialog</name>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="129"/>
        <source>Edit contaminant data</source>
        <translation>Schadstoffdaten bearbeiten</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="140"/>
        <source>Contaminants</source>
        <translation>Schadstoffe</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="179"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="191"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="192"/>
        <source>Group:</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="196"/>
        <source>75th percentile of observed plume lengths in literature: </source>
        <translation>75. Perzentil beobachteter Fahnenlängen in der Literatur: </translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="200"/>
        <source>75th percentile [m] :</source>
        <translation>75. Perzentil [m] :</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="201"/>
        <source>Number of lit. entries:</source>
        <translation>Anzahl Lit.-Einträge:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="204"/>
        <source>Decay constants (lambda)  [1/d]</source>
        <translation>Zerfallskonstanten (lambda)  [1/d]</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="213"/>
        <source>aerobic:</source>
        <translation>aerob:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="214"/>
        <source>anerobic nitrate (NO3):</source>
        <translation>anaerob Nitrat (NO3):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="215"/>
        <source>anaerobic iron (Fe):</source>
        <translation>anaerob Eisen (Fe):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="216"/>
        <source>anaerobic sulfate (SO4):</source>
        <translation>anaerob Sulfat (SO4):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="217"/>
        <source>anaerobic mixed plumes:</source>
        <translation>anaerob, gemischte Fahnen:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="218"/>
        <source>anaerobic methan (CH4):</source>
        <translation>anaerob Methan (CH4):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="219"/>
        <source>unknown / variable :</source>
        <translation>unbekannt / wechselnd :</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="221"/>
        <source>aerobic</source>
        <translation>aerob</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="222"/>
        <source>anaerobic methan (CH4)</source>
        <translation>anaerob Methan (CH4)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="223"/>
        <source>anaerobic iron (Fe)</source>
        <translation>anaerob Eisen (Fe)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="224"/>
        <source>anaerobic mixed plumes</source>
        <translation>anaerob, gemischte Fahnen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="225"/>
        <source>anerobic nitrate (NO3)</source>
        <translation>anaerob Nitrat (NO3)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="226"/>
        <source>anaerobic sulfate (SO4)</source>
        <translation>anaerob Sulfat (SO4)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="227"/>
        <source>unknown / variable</source>
        <translation>unbekannt / wechselnd</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="234"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="235"/>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="242"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="277"/>
        <source>&amp;Add contaminant</source>
        <translation>Schadstoff &amp;hinzufügen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="278"/>
        <source>&amp;Remove selected</source>
        <translation>Auswahl &amp;entfernen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="418"/>
        <source>A decay constant must not be negative; kept as it was:
</source>
        <translation>Eine Zerfallskonstante darf nicht negativ sein; unverändert gelassen:
</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="419"/>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="589"/>
        <source>Virelo</source>
        <translation>Virelo</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="589"/>
        <source>Failed to launch help.</source>
        <translation>Die Hilfe konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>DataCommands</name>
    <message>
        <location filename="../app/DataCommands.cpp" line="21"/>
        <source>&amp;Edit generic contaminant data</source>
        <translation>Generische Schadstoffdaten &amp;bearbeiten</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="23"/>
        <source>&amp;Save generic data as default</source>
        <translation>Generische Daten als &amp;Standard speichern</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="25"/>
        <source>Si&amp;te data...</source>
        <translation>S&amp;tandortdaten...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="26"/>
        <source>&amp;Decay chain...</source>
        <translation>&amp;Zerfallskette...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="27"/>
        <source>&amp;Uncertainty...</source>
        <translation>&amp;Unsicherheit...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="28"/>
        <source>S&amp;orption and source...</source>
        <translation>S&amp;orption und Quelle...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="29"/>
        <source>T&amp;ime...</source>
        <translation>Ze&amp;it...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="30"/>
        <source>&amp;Lines of evidence...</source>
        <translation>Beweis&amp;linien...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="32"/>
        <source>Load &amp;application defaults</source>
        <translation>&amp;Programmvorgaben laden</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="87"/>
        <source>This will change your currently used default-contaminants.
Are you shure?</source>
        <translation>Dies ändert die derzeit verwendeten Standardschadstoffe.
Sind Sie sicher?</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="89"/>
        <source>Changing generic contaminant data</source>
        <translation>Generische Schadstoffdaten ändern</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="94"/>
        <source>Contaminants saved!</source>
        <translation>Schadstoffe gespeichert!</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="95"/>
        <location filename="../app/DataCommands.cpp" line="123"/>
        <source>Virelo</source>
        <translation>Virelo</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="98"/>
        <source>Saving contaminant-data failed!</source>
        <translation>Speichern der Schadstoffdaten fehlgeschlagen!</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="99"/>
        <location filename="../app/DataCommands.cpp" line="114"/>
        <source>Virelo-Error</source>
        <translation>Virelo-Fehler</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="106"/>
        <source>Loading application default contaminants?</source>
        <translation>Standardschadstoffe des Programms laden?</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="107"/>
        <source>contaminant data</source>
        <translation>Schadstoffdaten</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="113"/>
        <source>Loading contaminant-data failed!</source>
        <translation>Laden der Schadstoffdaten fehlgeschlagen!</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="122"/>
        <source>Default contaminants loaded!</source>
        <translation>Standardschadstoffe geladen!</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../app/FileCommands.cpp" line="31"/>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="33"/>
        <source>&amp;Open ...	Ctrl+O</source>
        <translation>Ö&amp;ffnen ...	Ctrl+O</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="35"/>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="37"/>
        <source>Save &amp;as ...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="41"/>
        <source>&amp;Export report...</source>
        <translation>Bericht &amp;exportieren...</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="43"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="46"/>
        <source>Print pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="50"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="56"/>
        <source>Error saving project-file!
Check access-rights!</source>
        <translation>Fehler beim Speichern der Projektdatei!
Zugriffsrechte prüfen!</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="57"/>
        <location filename="../app/FileCommands.cpp" line="195"/>
        <location filename="../app/FileCommands.cpp" line="213"/>
        <source>Virelo-Error</source>
        <translation>Virelo-Fehler</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="70"/>
        <source>The settings saved with this project could not be read when it was opened (%1).

Saving replaces them with the settings the project has now (concentration unit, verdict basis, assessment ranges, decay-constant sources). Save anyway?</source>
        <translation>Die mit diesem Projekt gespeicherten Einstellungen konnten beim Öffnen nicht gelesen werden (%1).

Speichern ersetzt sie durch die jetzigen Einstellungen des Projekts (Konzentrationseinheit, Bewertungsgrundlage, Bewertungsbereiche, Quellen der Zerfallskonstanten). Trotzdem speichern?</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="76"/>
        <location filename="../app/FileCommands.cpp" line="89"/>
        <source>Virelo</source>
        <translation>Virelo</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="88"/>
        <source>Current project was modified. Save?</source>
        <translation>Das aktuelle Projekt wurde geändert. Speichern?</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="194"/>
        <source>Error writing the report &quot;%1&quot;:
%2</source>
        <translation>Fehler beim Schreiben des Berichts &quot;%1&quot;:
%2</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="212"/>
        <source>Error printing the report!</source>
        <translation>Fehler beim Drucken des Berichts!</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="222"/>
        <source>Print preview - Virelo</source>
        <translation>Druckvorschau - Virelo</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <location filename="../app/HelpCommands.cpp" line="23"/>
        <source>&amp;Manual (requires Adobe Acrobat Reader)</source>
        <translation>&amp;Handbuch (benötigt Adobe Acrobat Reader)</translation>
    </message>
    <message>
        <location filename="../app/HelpCommands.cpp" line="26"/>
        <source>&amp;About Virelo</source>
        <translation>Ü&amp;ber Virelo</translation>
    </message>
    <message>
        <location filename="../app/HelpCommands.cpp" line="44"/>
        <source>What&apos;s this - Help</source>
        <translation>Was ist das? - Hilfe</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../platform/HelpViewer.cpp" line="36"/>
        <source>Virelo Help</source>
        <translation>Virelo-Hilfe</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../app/Language.cpp" line="107"/>
        <source>&amp;System language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <location filename="../app/Language.cpp" line="124"/>
        <source>The language changes when Virelo is started again.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Virelo.</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <location filename="../app/MainDialog.cpp" line="114"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="116"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="117"/>
        <source>&amp;Project settings	Ctrl+1</source>
        <translation>&amp;Projekteinstellungen	Ctrl+1</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="117"/>
        <source>&amp;Aquifer settings	Ctrl+2</source>
        <translation>&amp;Grundwasserleiter	Ctrl+2</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="118"/>
        <source>C&amp;ontaminant settings	Ctrl+3</source>
        <translation>Schad&amp;stoffe	Ctrl+3</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="118"/>
        <source>&amp;Results	Ctrl+4</source>
        <translation>&amp;Ergebnisse	Ctrl+4</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="125"/>
        <source>&amp;Language</source>
        <translation>Spr&amp;ache</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="129"/>
        <source>&amp;Data</source>
        <translation>Da&amp;ten</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="130"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="154"/>
        <source>Create a new Virelo-Project</source>
        <translation>Ein neues Virelo-Projekt anlegen</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="155"/>
        <source>Open a Virelo-Project</source>
        <translation>Ein Virelo-Projekt öffnen</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="156"/>
        <source>Save current Virelo-Project</source>
        <translation>Das aktuelle Virelo-Projekt speichern</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="157"/>
        <source>Informations about Virelo</source>
        <translation>Informationen über Virelo</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="178"/>
        <source>Project settings ... Ctrl+1</source>
        <translation>Projekteinstellungen ... Ctrl+1</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="178"/>
        <source>Aquifer settings ... Ctrl+2</source>
        <translation>Grundwasserleiter ... Ctrl+2</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="179"/>
        <source>Contaminant settings ... Ctrl+3</source>
        <translation>Schadstoffe ... Ctrl+3</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="179"/>
        <source>Results ... Ctrl+4</source>
        <translation>Ergebnisse ... Ctrl+4</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="258"/>
        <source>Virelo-Error</source>
        <translation>Virelo-Fehler</translation>
    </message>
</context>
<context>
    <name>PageTabs</name>
    <message>
        <location filename="../app/PageTabs.cpp" line="42"/>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <location filename="../app/PageTabs.cpp" line="43"/>
        <source>Aquifer</source>
        <translation>Grundwasserleiter</translation>
    </message>
    <message>
        <location filename="../app/PageTabs.cpp" line="44"/>
        <source>Contaminants</source>
        <translation>Schadstoffe</translation>
    </message>
    <message>
        <location filename="../app/PageTabs.cpp" line="45"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
</context>
<context>
    <name>ProblemsDialog</name>
    <message>
        <location filename="../pages/ProblemsDialog.cpp" line="22"/>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <location filename="../pages/ProblemsDialog.cpp" line="28"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ReportBoxes</name>
    <message>
        <location filename="../app/ReportBoxes.cpp" line="26"/>
        <source>Virelo-Error</source>
        <translation>Virelo-Fehler</translation>
    </message>
    <message>
        <location filename="../app/ReportBoxes.cpp" line="33"/>
        <source>Virelo-Warning</source>
        <translation>Virelo-Warnung</translation>
    </message>
</context>
<context>
    <name>ResultListModel</name>
    <message>
        <location filename="../pages/ResultColumns.cpp" line="41"/>
        <location filename="../pages/ResultListModel.cpp" line="276"/>
        <source>Contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../pages/ResultColumns.cpp" line="46"/>
        <location filename="../pages/ResultListModel.cpp" line="271"/>
        <source>Margin</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <location filename="../pages/ResultColumns.cpp" line="52"/>
        <location filename="../pages/ResultListModel.cpp" line="245"/>
        <source>Marks</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="209"/>
        <source>Fragile: the class changes within a factor of 2 of %1.</source>
        <translation>Knapp: die Klasse wechselt innerhalb eines Faktors 2 von %1.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="211"/>
        <source>The smallest change of one input that changes the class.</source>
        <translation>Die kleinste Änderung einer Eingabe, die die Klasse ändert.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="212"/>
        <source>No single input changes the class.</source>
        <translation>Keine einzelne Eingabe ändert die Klasse.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="249"/>
        <source>What else bears on the verdict: its decay chain (chain), the site&apos;s wells (wells), a model beneath the wells (under), a decay constant from the wells (λ), models on both sides of CA (±CA). Rest the mouse on a mark to read it.</source>
        <translation>Was die Bewertung außerdem bestimmt: ihre Zerfallskette (chain), die Messstellen des Standorts (wells), ein Modell unter den Messstellen (under), eine Zerfallskonstante aus den Messstellen (λ), Modelle auf beiden Seiten von CA (±CA). Die Maus auf einem Hinweis zeigt ihn.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="254"/>
        <source>The probability of each class from the last uncertainty run</source>
        <translation>Die Wahrscheinlichkeit jeder Klasse aus der letzten Unsicherheitsrechnung</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="256"/>
        <source>C(x) exact [%1]</source>
        <translation>C(x) exakt [%1]</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="257"/>
        <source>Target C [%1]</source>
        <translation>Ziel C [%1]</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="259"/>
        <source>Concentration the screening model predicts at the receptor: C0 · C(x)/C0</source>
        <translation>Konzentration, die das Screening-Modell am Schutzgut vorhersagt: C0 · C(x)/C0</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="260"/>
        <source>Concentration the exact solution predicts at the receptor; marked where the two models fall on opposite sides of CA</source>
        <translation>Konzentration, die die exakte Lösung am Schutzgut vorhersagt; markiert, wo die beiden Modelle auf verschiedenen Seiten von CA liegen</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="263"/>
        <source>Remedial target: the source concentration C = CA · AF at which the receptor just meets CA, under the verdict basis</source>
        <translation>Sanierungsziel: die Quellkonzentration C = CA · AF, bei der das Schutzgut CA gerade einhält, nach der Bewertungsgrundlage</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="273"/>
        <source>The smallest factor by which one input would change the class; marked where it is within a factor of 2 (a fragile verdict)</source>
        <translation>Der kleinste Faktor, um den eine Eingabe die Klasse ändern würde; markiert, wo er unter 2 liegt (eine knappe Bewertung)</translation>
    </message>
</context>
</TS>
